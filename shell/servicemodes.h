// The two hidden service modes and their gestures.
//
// Band override mode is entered by clicking three captions of the Functions
// Setting panel within 5 seconds, debug write mode by clicking two captions
// of the Debug Parameters dialog within 5 seconds; both gestures share the
// same three click flags and first-click time. Each mode is left by a double
// click on its toolbar button (7 for debug write, 8 for band override); the
// two buttons share one click time. Times are seconds since midnight, stored
// rounded to whole seconds, so a double click that straddles a whole second
// in an unlucky way needs a third click.
#pragma once

#include <functional>

struct EditorState;

class ServiceModes {
public:
    // Seconds since midnight, with fractions.
    using Clock = std::function<double()>;

    explicit ServiceModes(EditorState &state);

    // Replaces the system clock (tests drive time with it).
    void setClock(Clock clock);
    static double secondsSinceMidnight();

    // One of the three panel captions (0, 1 or 2) was clicked. Returns true
    // when this click completes the gesture: band override mode is then on.
    bool panelCaptionClicked(int which);

    // One of the two Debug Parameters captions (0 or 1) was clicked. Returns
    // true when this click completes the gesture: debug write mode is on.
    bool debugCaptionClicked(int which);

    // Toolbar button 8 ("Anma") / 7 ("TAnMa") was clicked. Returns true on
    // the second click of a double click: the mode is then off.
    bool bandOverrideButtonClicked();
    bool debugWriteButtonClicked();

    bool flag(int which) const { return which >= 0 && which < 3 && m_flags[which]; }
    int firstClickTime() const { return m_firstClickTime; }
    int buttonClickTime() const { return m_buttonClickTime; }

private:
    // Records a click on gesture caption `which` among the first `count`
    // flags; true when all `count` flags are set afterwards.
    bool gestureClick(int which, int count);
    bool buttonClick();
    // Seconds from a stored whole-second time to now, counting across
    // midnight.
    double elapsedSince(int storedTime, double now) const;

    EditorState &m_state;
    Clock m_clock;
    bool m_flags[3] = {false, false, false};
    int m_firstClickTime = 0;
    int m_buttonClickTime = 0; // 0 = no first click
};
