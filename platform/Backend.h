// What a back end supplies beneath the console calls. The shared layer
// (Console.cpp) keeps the record queue and the key-release rule; a back end
// only produces key-downs, waits, and shows the model.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/Console.h"
#include "platform/ScreenModel.h"

namespace con {

class Backend {
public:
    virtual ~Backend() = default;
    Backend() = default;
    Backend(Backend const&) = delete;
    Backend& operator=(Backend const&) = delete;

    ScreenModel& Model() { return model_; }
    ScreenModel const& Model() const { return model_; }

    // Appends newly arrived key-down records to `queue`. With `block`, waits
    // until at least one arrives; otherwise waits only briefly (about a
    // millisecond) so that polling loops rest the processor, or, where a back
    // end sees the polling screen has stood still, until input comes.
    virtual void Fetch(std::deque<KeyRecord>& queue, bool block) = 0;
    // Drops whatever input has arrived but not been fetched.
    virtual void Discard() {}
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Brings the display up to date with the model (a wait point).
    virtual void Present() {}
    virtual Coord LargestWindow() const { return {kColumns, kRows}; }
    // Sizing requests; the default follows the console's rules: the buffer
    // may not be smaller than the window, the window not larger than the
    // buffer nor the largest size.
    virtual bool SetBufferSize(Coord size);
    virtual bool SetWindow(Rect const& window);

    // Input state shared by the console calls.
    std::deque<KeyRecord> queue;
    bool releasePending = false;
    KeyRecord release;

private:
    ScreenModel model_;
};

// The back end the console calls go to. When none is installed, a virtual
// console with an empty script is used, so code that only draws can run
// anywhere.
Backend& Active();
// Installs a back end (null restores the default); returns the previous one.
Backend* Install(Backend* backend);

}  // namespace con
