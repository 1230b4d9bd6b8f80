#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFileDevice;

namespace quillon::platform {

// Folders are absolute, cleaned, and end in the native separator ('/').
QString withTrailingSeparator(const QString& folder);

// The path of the file or folder `name` inside `folder`, matched without
// regard to letter case (game files copied from Windows keep any case).
// When nothing matches, `folder` + `name` in the given spelling, so that a
// new file gets the expected name.
QString findNoCase(const QString& folder, const QString& name);

bool fileExists(const QString& path);   // a regular file
bool folderExists(const QString& path); // a directory

// The whole file, or nothing when it is missing or cannot be read.
std::optional<QByteArray> readWholeFile(const QString& path);

// Writes `bytes` to `path` atomically (QSaveFile). False on any failure;
// the file on disk is then unchanged.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

// Writes `bytes` to the open `file` and makes sure they reached the disk
// whole: written, flushed, synced and the file's size checked. A write that
// sits in a buffer looks successful even on a full disk. `reason` gets the
// system's words for a failure.
bool writeThrough(QFileDevice& file, const QByteArray& bytes, QString* reason = nullptr);

// A name that stays inside the folder it is looked up in: not empty, no
// folder separators, drive letters or control characters, not "." or "..".
bool isPlainFileName(const QString& name);

} // namespace quillon::platform
