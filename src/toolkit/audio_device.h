#pragma once

// The one audio device that the sound effects and the music share. Opened
// once at start-up; without a sound device the game goes on silently, and
// says so once on standard error.
// SDL's signal handlers stay off so that SIGINT and SIGTERM still end the
// program.
bool openAudioDevice();
void closeAudioDevice();
bool audioDeviceOpen();

// The SoundFont that MIDI songs play through.
const char *soundFontPath();
