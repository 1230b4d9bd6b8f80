#pragma once

#include "cli/CliCommon.h"

#include <QStringList>

namespace quillon {
struct EditorState;
}

namespace quillon::cli {

// Heading of the optional 75th column: the unit's long description.
inline constexpr char DescriptionHeading[] = "Description";

// Runs the editor's game folder check on the configured (or --game) folder
// into `state` and returns its messages, in order.
QStringList LoadGameData(const CliSettings& settings, EditorState& state);

// Both index files were read, so the text lists, descriptions and graphics
// come from the game.
bool GameDataAvailable(const EditorState& state);

// Why there is no game data: the check's own messages, or the game folder
// message when the check had nothing to say (no folder at all).
QString NoGameDataMessage(const CliSettings& settings, const QStringList& checkMessages);

} // namespace quillon::cli
