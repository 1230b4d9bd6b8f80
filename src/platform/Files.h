#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

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

// Copies `from` onto `to`, replacing `to`, through a QSaveFile so that a
// failed copy leaves the old `to` in place. False on any failure.
bool copyReplacing(const QString& from, const QString& to);

// Writes `bytes` to `path` atomically (QSaveFile). False on any failure;
// the file on disk is then unchanged.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace quillon::platform
