#define main benchMain
#include "Bench.cpp"
#undef main
int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Running running(1000);
    auto& main = running.app.mainForm();
    Bare& bare = *running.bare;
    MSG m{}; m.hwnd = main.FontFind.hwnd(); m.message = WM_CHAR; m.wParam = L'0'; m.lParam = 1;
    MSG b = m; b.hwnd = bare.find;
    const HACCEL accel = main.accelerators();
    for (int round = 0; round < 3; ++round) {
        std::vector<double> v[7];
        for (int i = 0; i < 300; ++i) {
            v[0].push_back(timeOf([&] { (void)IsWindow(main.hwnd()); }));
            v[1].push_back(timeOf([&] { (void)IsChild(main.hwnd(), m.hwnd); }));
            v[2].push_back(timeOf([&] { MSG c = m; c.message = WM_NULL; (void)TranslateAcceleratorW(main.hwnd(), accel, &c); }));
            v[3].push_back(timeOf([&] { MSG c = m; (void)TranslateAcceleratorW(main.hwnd(), accel, &c); }));
            v[4].push_back(timeOf([&] { (void)GetAncestor(m.hwnd, GA_ROOT); }));
            v[5].push_back(timeOf([&] { (void)GetClassLongPtrW(main.hwnd(), GCW_ATOM); }));
            v[6].push_back(timeOf([&] { MSG c = m; c.message = WM_PAINT; (void)IsDialogMessageW(main.hwnd(), &c); }));
        }
        std::printf("IsWindow %.4f IsChild %.4f TranslateAccelerator(null) %.4f (WM_CHAR) %.4f GetAncestor %.4f GetClassLong %.4f IsDialogMessage(paint) %.4f\n",
            statsOf(v[0]).median, statsOf(v[1]).median, statsOf(v[2]).median, statsOf(v[3]).median, statsOf(v[4]).median, statsOf(v[5]).median, statsOf(v[6]).median);
    }
}
