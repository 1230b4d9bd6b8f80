#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillon::testing {

// A temporary folder holding a small sample game ("game/"), a folder for the
// editor's configuration ("program/") and room for other files.
class SampleGameFolder {
public:
    explicit SampleGameFolder(int units = 10, bool withGame = true);

    bool isValid() const { return valid_; }
    QString root() const;          // ends in '/'
    QString gameFolder() const;    // ends in '/'
    QString dataFolder() const;    // gameFolder() + "data/"
    QString programFolder() const; // ends in '/'

    // KorEquipEdit.ini in the program folder, as the editor writes it.
    bool writeConfiguration(const QString& languageCode) const;
    QString configurationPath() const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

} // namespace quillon::testing
