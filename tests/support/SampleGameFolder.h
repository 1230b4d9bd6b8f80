#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillon::testing {

// A temporary folder holding a small sample game ("game/"), the editor's
// program folder ("program/"), the user's configuration folder
// ("user-config/", not created) and room for other files.
class SampleGameFolder {
public:
    explicit SampleGameFolder(int units = 10, bool withGame = true)
        : units_(withGame ? units : -1) {
        valid_ = dir_.isValid() && reset();
    }

    bool isValid() const { return valid_; }
    QString root() const { return dir_.path() + '/'; }
    QString gameFolder() const { return root() + "game/"; }
    QString dataFolder() const { return gameFolder() + "data/"; }
    QString programFolder() const { return root() + "program/"; }
    // Stands in for the user's configuration folder.
    QString userConfigFolder() const { return root() + "user-config/"; }

    // Deletes everything, then writes an empty program folder and the game
    // again, with `units` units (as many as at the start unless given).
    bool reset(int units = -1);

    // KorEquipEdit.ini in the program folder, as the editor writes it.
    bool writeConfiguration(const QString& languageCode) const;
    QString configurationPath() const { return programFolder() + "KorEquipEdit.ini"; }

private:
    QTemporaryDir dir_;
    int units_ = -1; // no game
    bool valid_ = false;
};

} // namespace quillon::testing
