// The views of the game's modal windows, registered with the desktop host
// by the windows' Kind.
#pragma once

namespace qv {

class DesktopHost;

void RegisterModalViews(DesktopHost& host);

}  // namespace qv
