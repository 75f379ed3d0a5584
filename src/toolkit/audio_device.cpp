#include "audio_device.h"

#include "dialogs.h"
#include "seam_state.h"
#include "sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

namespace {

bool g_open = false;
bool g_silenceTold = false;

const bool resetRegistered = [] {
    seam::resetHooks().push_back([] { g_silenceTold = false; });
    return true;
}();

// Silence is no error for the game, but a player deserves to know that it is
// the machine, not the game: one line for the run, with the audio library's
// reason.
bool playWithoutSound()
{
    if (!g_silenceTold) {
        g_silenceTold = true;
        const char *reason = SDL_GetError();
        std::fprintf(stderr, "%s: no sound device could be opened (%s); the game plays without sound\n",
                     applicationTitle().toLocal8Bit().constData(), *reason ? reason : "no reason given");
    }
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
