// What a tool window may ask of the connection that showed it: to hide it.
// The connection implements this; the windows hold it as their Connect member.
#pragma once

namespace pelk {

class ConnectLink {
public:
    virtual ~ConnectLink() = default;
    virtual void Hide() = 0;  // message box wizard
    virtual void Hide1() = 0; // input box wizard
    virtual void Hide2() = 0; // color finder
    virtual void Hide3() = 0; // picture viewer
};

} // namespace pelk
