#pragma once
#include "mci_device.h"

// Opens a wave file as a "Waveaudio" device, played on a mixer channel of its
// own beside the sound effects' channel. Returns MciOk or the layer's error
// code.
int openWave(const QString &file, std::unique_ptr<MciDevice> &device);
