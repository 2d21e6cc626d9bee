#pragma once

namespace vorbix {

// The busy (hourglass) mouse pointer. The program sets the application's
// override cursor; tests count.
class MousePointer
{
public:
    virtual ~MousePointer() = default;
    virtual void showBusy() = 0;
    // Takes back one showBusy().
    virtual void restore() = 0;
    // Takes back every showBusy() still in force, after a handler failed
    // with the pointer busy.
    virtual void restoreAll() = 0;
    virtual bool isBusy() const = 0;
};

class ApplicationMousePointer final : public MousePointer
{
public:
    void showBusy() override;
    void restore() override;
    void restoreAll() override;
    bool isBusy() const override;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer
{
public:
    explicit BusyPointer(MousePointer &pointer)
        : m_pointer(pointer)
    {
        m_pointer.showBusy();
    }
    ~BusyPointer() { m_pointer.restore(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    MousePointer &m_pointer;
};

} // namespace vorbix
