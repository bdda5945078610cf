// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillet {

// What the main window's Ctrl+C copies. A result row the user picked (by a click, by
// the keys of a result list, or by copying its headword with Ctrl+B) since the query
// was last edited or selected by hand is what a translator means to copy: Ctrl+C then
// copies that row's translation wherever the focus is, even after the idle re-selection
// of the query. Otherwise Ctrl+C is the focused control's own copy, as in any text box.
class CopyChoice {
public:
    enum class Target { FocusedControl, PickedTranslation };

    void rowPicked() { rowPicked_ = true; }
    // The query was edited or selected by the user, or the rows were replaced.
    void pickForgotten() { rowPicked_ = false; }

    // What Ctrl+C copies, given whether the active list still has a selected row and
    // whether a result list has the focus (a list has no text of its own to copy).
    Target target(bool rowSelected, bool listFocused) const
    {
        return rowSelected && (rowPicked_ || listFocused) ? Target::PickedTranslation
                                                          : Target::FocusedControl;
    }

private:
    bool rowPicked_ = false;
};

} // namespace quillet
