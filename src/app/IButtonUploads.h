#pragma once

namespace corvalith {

// The write that follows an assignment: the button function table and the macro blocks go to the mouse,
// then the profile and the captions are saved and the applied snapshot refreshed.
class IButtonUploads {
public:
    virtual ~IButtonUploads() = default;
    virtual void ApplyButtons() = 0;
};

} // namespace corvalith
