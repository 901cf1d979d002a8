#include "support/Places.h"

#include "support/Drive.h"

ControlPairs overlappingControls(const ui::Form& form) {
    ControlPairs pairs;
    const auto& all = form.controls();
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (!all[i]->visible() || !all[j]->visible())
                continue;
            RECT a = drive::placeInParent(all[i]->hwnd()), b = drive::placeInParent(all[j]->hwnd()),
                 both;
            if (IntersectRect(&both, &a, &b))
                pairs.insert({all[i]->name(), all[j]->name()});
        }
    return pairs;
}
