// The parts of the window and flow command group, each registering its own
// tag names; AddFlowCommands (command_table.h) adds them all.
#pragma once

#include "interpreter/command_table.h"

namespace qv {

void AddPromptCommands(CommandMap& map);  // TEXTOVEOKNO, OBRAZEK
void AddAudioCommands(CommandMap& map);   // AUDIOSOUND ... AUDIOCONTINUE
void AddSaveCommands(CommandMap& map);    // SAVE
void AddFightCommand(CommandMap& map);    // SOUBOJ
void AddShopCommands(CommandMap& map);    // OBCHOD, PRODEJ

}  // namespace qv
