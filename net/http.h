// The web accessor. It holds no data of its own: every request opens, uses
// and closes its own WinINet handles, so any two objects behave alike.
#pragma once

class HTTP类 {
public:
    virtual ~HTTP类() = default;
};
