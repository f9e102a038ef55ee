#include "view3d/sdl_joystick.h"

#include <SDL.h>

namespace ferlo {

namespace {

// SDL's axes run from -32768 to 32767; the flight takes them on 0..65535.
constexpr double kAxisOffset = 32768.0;

class SdlJoystick : public Joystick {
public:
    SdlJoystick() {
        // No SDL window receives focus: the stick is read all the same.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        initialised_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    }
    ~SdlJoystick() override {
        if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
        // SDL serves nothing else here: all of it goes, its hints included.
        if (initialised_) SDL_Quit();
    }

    std::optional<JoystickReading> read() override {
        if (!initialised_) return std::nullopt;
        SDL_JoystickUpdate();
        if (joystick_ != nullptr && !SDL_JoystickGetAttached(joystick_)) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
        }
        if (joystick_ == nullptr && SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
        if (joystick_ == nullptr || SDL_JoystickNumAxes(joystick_) < 2) return std::nullopt;
        JoystickReading reading;
        reading.x = SDL_JoystickGetAxis(joystick_, 0) + kAxisOffset;
        reading.y = SDL_JoystickGetAxis(joystick_, 1) + kAxisOffset;
        for (int b = 0; b < SDL_JoystickNumButtons(joystick_); ++b) {
            if (SDL_JoystickGetButton(joystick_, b) != 0) reading.buttonHeld = true;
        }
        return reading;
    }

private:
    bool initialised_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace

std::unique_ptr<Joystick> openSdlJoystick() { return std::make_unique<SdlJoystick>(); }

}  // namespace ferlo
