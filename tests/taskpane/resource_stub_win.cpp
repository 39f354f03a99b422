// A library needs something in it to be one.
extern "C" __declspec(dllexport) int zelvanoResourceStub() {
    return 0;
}
