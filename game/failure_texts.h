#pragma once

// What a desktop program tells the player when the system refuses it something it cannot go on
// without, before it ends.
#include <string_view>

namespace rutschbild {

constexpr std::string_view kWindowFailureText =
    "Rutschbild kann nicht starten: Windows hat das Fenster nicht angelegt.";
constexpr std::string_view kPictureFailureText =
    "Rutschbild kann nicht weiterlaufen: Ein Bild des Spiels lässt sich nicht laden.";
constexpr std::string_view kMemoryFailureText =
    "Rutschbild kann nicht weiterlaufen: Für die Bilder reicht der Speicher nicht.";

} // namespace rutschbild
