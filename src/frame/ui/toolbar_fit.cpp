#include "frame/ui/toolbar_fit.h"

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

#ifdef __WXGTK__
namespace {

// The theme pads each text tool by about 8 px on either side; 4 px still reads as separate
// buttons and lets every tool fit a 1024-pixel window. The rule is scoped to this toolbar by a
// style class of its own.
void TightenToolPadding(GtkToolbar* bar) {
    using CssNew = void* (*)();
    using CssLoad = int (*)(void*, const char*, long, void**);
    using ScreenDefault = void* (*)();
    using AddForScreen = void (*)(void*, void*, unsigned);
    using StyleContext = void* (*)(void*);
    using AddClass = void (*)(void*, const char*);
    const auto cssNew = reinterpret_cast<CssNew>(dlsym(RTLD_DEFAULT, "gtk_css_provider_new"));
    const auto cssLoad =
        reinterpret_cast<CssLoad>(dlsym(RTLD_DEFAULT, "gtk_css_provider_load_from_data"));
    const auto screen =
        reinterpret_cast<ScreenDefault>(dlsym(RTLD_DEFAULT, "gdk_screen_get_default"));
    const auto addForScreen = reinterpret_cast<AddForScreen>(
        dlsym(RTLD_DEFAULT, "gtk_style_context_add_provider_for_screen"));
    const auto context =
        reinterpret_cast<StyleContext>(dlsym(RTLD_DEFAULT, "gtk_widget_get_style_context"));
    const auto addClass =
        reinterpret_cast<AddClass>(dlsym(RTLD_DEFAULT, "gtk_style_context_add_class"));
    if (cssNew == nullptr || cssLoad == nullptr || screen == nullptr || addForScreen == nullptr ||
        context == nullptr || addClass == nullptr || screen() == nullptr) {
        return;
    }
    static void* provider = nullptr;  // one rule for the run, however many windows are built
    if (provider == nullptr) {
        provider = cssNew();
        static const char kRule[] =
            ".railvane-commands button { padding-left: 4px; padding-right: 4px; }";
        cssLoad(provider, kRule, -1, nullptr);
        constexpr unsigned kApplicationPriority = 600;
        addForScreen(screen(), provider, kApplicationPriority);
    }
    addClass(context(bar), "railvane-commands");
}

}  // namespace
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
    TightenToolPadding(bar);
#else
    (void)toolbar;
#endif
}
