#include "audio_device.h"

#include "silence_warning.h"
#include "sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool g_open = false;

// Silence is no error for the game, but a player deserves to know that it is
// the machine, not the game.
bool playWithoutSound()
{
    warnNoSoundDevice(QString::fromLocal8Bit(SDL_GetError()));
    return false;
}

} // namespace

const char *soundFontPath()
{
    return "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

bool openAudioDevice()
{
    if (g_open)
        return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return playWithoutSound();
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts(soundFontPath());
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        // The reason goes before the clean-up, which may overwrite it.
        playWithoutSound();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    g_open = true;
    return true;
}

void closeAudioDevice()
{
    if (!g_open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    releaseSounds();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_open = false;
}

bool audioDeviceOpen()
{
    return g_open;
}
