#include "frame/ui/toolbar_fit.h"

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

void FitToolWidthsToLabels(wxToolBar* toolbar) {
#ifdef __WXGTK__
    if (toolbar == nullptr) {
        return;
    }
    // The toolkit's own library is loaded with the program; its functions are looked up rather
    // than linked so that building needs no GTK development files.
    using ItemCount = int (*)(GtkToolbar*);
    using NthItem = void* (*)(GtkToolbar*, int);
    using SetHomogeneous = void (*)(void*, int);
    const auto count = reinterpret_cast<ItemCount>(dlsym(RTLD_DEFAULT, "gtk_toolbar_get_n_items"));
    const auto nth = reinterpret_cast<NthItem>(dlsym(RTLD_DEFAULT, "gtk_toolbar_get_nth_item"));
    const auto setHomogeneous =
        reinterpret_cast<SetHomogeneous>(dlsym(RTLD_DEFAULT, "gtk_tool_item_set_homogeneous"));
    GtkToolbar* bar = toolbar->GTKGetToolbar();
    if (count == nullptr || nth == nullptr || setHomogeneous == nullptr || bar == nullptr) {
        return;
    }
    for (int i = 0, n = count(bar); i < n; ++i) {
        if (void* item = nth(bar, i)) {
            setHomogeneous(item, 0);
        }
    }
#else
    (void)toolbar;
#endif
}
