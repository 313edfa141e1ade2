#pragma once
// The system's millisecond tick count, which the installation's elapsed time is measured in.

#include <cstdint>

namespace velmora {

class Clock {
  public:
    virtual ~Clock() = default;

    // Milliseconds since the system started; wraps around after about 49.7 days.
    virtual uint32_t TickCount() = 0;
};

}  // namespace velmora
