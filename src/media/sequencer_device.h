#pragma once
#include "mci_device.h"

// Opens a MIDI file as a "Sequencer" device, played by the mixer's one music
// stream; its length comes from the file's own tempo map. Returns MciOk or
// the layer's error code.
int openSequencer(const QString &file, std::unique_ptr<MciDevice> &device);
