#pragma once

namespace sazbar {

// Asks the system whether the computer is connected. When the system cannot
// tell, the answer is "connected" and the update request finds out itself.
bool isConnectedToInternet();

}  // namespace sazbar
