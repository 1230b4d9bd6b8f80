#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillon::testing {

// A temporary folder holding a small sample game ("game/"), the editor's
// program folder ("program/"), the user's configuration folder
// ("user-config/", not created) and room for other files.
class SampleGameFolder {
public:
    explicit SampleGameFolder(int units = 10, bool withGame = true);

    bool isValid() const { return valid_; }
    QString root() const;             // ends in '/'
    QString gameFolder() const;       // ends in '/'
    QString dataFolder() const;       // gameFolder() + "data/"
    QString programFolder() const;    // ends in '/'
    QString userConfigFolder() const; // stands in for the user's configuration folder

    // Deletes everything, then writes an empty program folder and the game
    // again, with `units` units (as many as at the start unless given).
    bool reset(int units = -1);

    // KorEquipEdit.ini in the program folder, as the editor writes it.
    bool writeConfiguration(const QString& languageCode) const;
    QString configurationPath() const;

private:
    QTemporaryDir dir_;
    int units_ = -1; // no game
    bool valid_ = false;
};

} // namespace quillon::testing
