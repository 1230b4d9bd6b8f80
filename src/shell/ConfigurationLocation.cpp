#include "shell/ConfigurationLocation.h"

#include "platform/Files.h"
#include "shell/Configuration.h"
#include "shell/EditorState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillon {

namespace {

QString programFile(const EditorState& state) {
    return platform::findNoCase(state.ProgramFolder, QString::fromLatin1(ConfigurationFileName));
}

QString userFile(const EditorState& state) {
    return state.UserConfigFolder + QString::fromLatin1(ConfigurationFileName);
}

// Replacing a file goes through a temporary file beside it: the folder must
// be writable as well as the file.
bool replaceable(const QString& file) {
    const QFileInfo info(file);
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

ConfigurationChoice choiceFor(const EditorState& state) {
    ConfigurationFacts facts;
    const QString beside = programFile(state);
    facts.besideProgram = platform::fileExists(beside);
    facts.besideProgramWritable = facts.besideProgram && replaceable(beside);
    facts.userFolderKnown = !state.UserConfigFolder.isEmpty();
    facts.inUserFolder = facts.userFolderKnown && platform::fileExists(userFile(state));
    return ChooseConfigurationPlaces(facts);
}

QString fileAt(const EditorState& state, ConfigurationPlace place) {
    switch (place) {
    case ConfigurationPlace::ProgramFolder:
        return programFile(state);
    case ConfigurationPlace::UserFolder:
        return userFile(state);
    case ConfigurationPlace::None:
        break;
    }
    return {};
}

} // namespace

ConfigurationChoice ChooseConfigurationPlaces(const ConfigurationFacts& facts) {
    if (facts.besideProgramWritable || !facts.userFolderKnown)
        return {facts.besideProgram ? ConfigurationPlace::ProgramFolder : ConfigurationPlace::None,
                ConfigurationPlace::ProgramFolder};
    // The user's own file wins over one beside the program that cannot be
    // replaced: that is where the setup's choice went.
    if (facts.inUserFolder)
        return {ConfigurationPlace::UserFolder, ConfigurationPlace::UserFolder};
    return {facts.besideProgram ? ConfigurationPlace::ProgramFolder : ConfigurationPlace::None,
            ConfigurationPlace::UserFolder};
}

QString ConfigurationFileToRead(const EditorState& state) {
    return fileAt(state, choiceFor(state).read);
}

QString ConfigurationFileToWrite(const EditorState& state) {
    const QString file = fileAt(state, choiceFor(state).write);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

QString OwnFilesFolder(const EditorState& state) {
    if (choiceFor(state).write != ConfigurationPlace::UserFolder)
        return state.ProgramFolder;
    QDir().mkpath(state.UserConfigFolder);
    return state.UserConfigFolder;
}

QString UserConfigurationFolder() {
    return platform::withTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace quillon
