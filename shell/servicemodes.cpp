#include "shell/servicemodes.h"

#include "model/editorstate.h"

#include <QTime>

#include <cmath>

namespace {
constexpr double kGestureWindow = 5.0;     // seconds between the gesture's clicks
constexpr double kDoubleClickWindow = 1.0; // seconds between the button's clicks
constexpr double kDay = 86400.0;

int wholeSeconds(double seconds) {
    // Rounded to the nearest whole second, halves to even.
    return static_cast<int>(std::nearbyint(seconds));
}
} // namespace

ServiceModes::ServiceModes(EditorState &state) : m_state(state), m_clock(&secondsSinceMidnight) {}

void ServiceModes::setClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock(&secondsSinceMidnight);
}

double ServiceModes::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double ServiceModes::elapsedSince(int storedTime, double now) const {
    double elapsed = now - storedTime;
    // A time stored before midnight lies in the previous day, not the future.
    if (elapsed < -kDoubleClickWindow)
        elapsed += kDay;
    return elapsed;
}

bool ServiceModes::gestureClick(int which, int count) {
    if (which < 0 || which >= count)
        return false;
    const double now = m_clock();
    if (!m_flags[0] && !m_flags[1] && !m_flags[2])
        m_firstClickTime = wholeSeconds(now);
    if (elapsedSince(m_firstClickTime, now) > kGestureWindow) {
        // Too late: this click starts a new gesture.
        for (bool &f : m_flags)
            f = false;
        m_flags[which] = true;
        m_firstClickTime = wholeSeconds(now);
        return false;
    }
    m_flags[which] = true;
    for (int i = 0; i < count; ++i)
        if (!m_flags[i])
            return false;
    return true;
}

bool ServiceModes::panelCaptionClicked(int which) {
    if (!gestureClick(which, 3))
        return false;
    m_state.bandOverrideMode = true;
    return true;
}

bool ServiceModes::debugCaptionClicked(int which) {
    if (!gestureClick(which, 2))
        return false;
    m_state.debugWriteMode = true;
    return true;
}

bool ServiceModes::buttonClick() {
    const double now = m_clock();
    if (m_buttonClickTime == 0 || elapsedSince(m_buttonClickTime, now) >= kDoubleClickWindow) {
        m_buttonClickTime = wholeSeconds(now);
        return false;
    }
    m_buttonClickTime = 0;
    for (bool &f : m_flags)
        f = false;
    return true;
}

bool ServiceModes::bandOverrideButtonClicked() {
    if (!buttonClick())
        return false;
    m_state.bandOverrideMode = false;
    return true;
}

bool ServiceModes::debugWriteButtonClicked() {
    if (!buttonClick())
        return false;
    m_state.debugWriteMode = false;
    return true;
}
