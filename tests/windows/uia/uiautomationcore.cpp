// A stand-in for the system's UI Automation core, for checks under Wine,
// whose own core cannot walk a program's elements from another process. Put
// in the prefix's system32, it is loaded into the program, is handed the
// window's root provider and walks it in process, and records every event
// the program raises: a text log of what a screen reader would be given.
// The log is ZELVANO_UIA_LOG (a Windows path), one line per element or event,
// fields separated by tabs:
//   tree  SNAPSHOT  begin | end COUNT
//   element  SNAPSHOT  DEPTH  TYPE  NAME  focusable|-  value=ro:TEXT|rw:TEXT|-
//       expand=STATE|-  selected=0|1|-  AUTOMATION-ID
//   event  EVENT  TYPE  NAME
//   property  PROPERTY  TYPE  NAME  OLD  NEW
//   notification  TYPE  NAME  TEXT
// A walk is made for every WM_GETOBJECT that asks for the root
// (UiaRootObjectId) and numbered by its wParam.

#include <windows.h>

#include <ole2.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <string>

// What Debian's mingw-w64 headers leave out.
enum ExpandCollapseState { Collapsed, Expanded, PartiallyExpanded, LeafNode };

MIDL_INTERFACE("c7935180-6fb3-4201-b174-7df73adbf64a")
IValueProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR * value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL * readOnly) = 0;
};
__CRT_UUID_DECL(IValueProvider, 0xc7935180, 0x6fb3, 0x4201, 0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb,
                0xf6, 0x4a)

MIDL_INTERFACE("d847d3a5-cab0-4a98-8c32-ecb45c59ad24")
IExpandCollapseProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Expand() = 0;
    virtual HRESULT STDMETHODCALLTYPE Collapse() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExpandCollapseState(ExpandCollapseState * state) = 0;
};
__CRT_UUID_DECL(IExpandCollapseProvider, 0xd847d3a5, 0xcab0, 0x4a98, 0x8c, 0x32, 0xec, 0xb4, 0x5c,
                0x59, 0xad, 0x24)

MIDL_INTERFACE("2acad808-b2d4-452d-a407-91ff1ad167b2")
ISelectionItemProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Select() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelected(BOOL * selected) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SelectionContainer(IRawElementProviderSimple *
                                                             *container) = 0;
};
__CRT_UUID_DECL(ISelectionItemProvider, 0x2acad808, 0xb2d4, 0x452d, 0xa4, 0x07, 0x91, 0xff, 0x1a,
                0xd1, 0x67, 0xb2)

namespace {

constexpr long rootObjectId = -25;
constexpr PROPERTYID nameProperty = 30005, controlTypeProperty = 30003, focusableProperty = 30009,
                     automationIdProperty = 30011, expandCollapseStateProperty = 30070;
constexpr PATTERNID valuePattern = 10002, expandCollapsePattern = 10005,
                    selectionItemPattern = 10010;

const char* const controlTypes[] = {
    "Button",     "Calendar", "CheckBox", "ComboBox",    "Edit",     "Hyperlink",   "Image",
    "ListItem",   "List",     "Menu",     "MenuBar",     "MenuItem", "ProgressBar", "RadioButton",
    "ScrollBar",  "Slider",   "Spinner",  "StatusBar",   "Tab",      "TabItem",     "Text",
    "ToolBar",    "ToolTip",  "Tree",     "TreeItem",    "Custom",   "Group",       "Thumb",
    "DataGrid",   "DataItem", "Document", "SplitButton", "Window",   "Pane",        "Header",
    "HeaderItem", "Table",    "TitleBar", "Separator"};
const char* const expandStates[] = {"Collapsed", "Expanded", "PartiallyExpanded", "LeafNode"};

struct Id {
    int id;
    const char* name;
};
const Id events[] = {{20005, "AutomationFocusChanged"},    {20012, "SelectionItem_ElementSelected"},
                     {20014, "Text_TextSelectionChanged"}, {20015, "Text_TextChanged"},
                     {20016, "Window_WindowOpened"},       {20017, "Window_WindowClosed"}};
const Id properties[] = {{30005, "Name"},
                         {30045, "Value.Value"},
                         {30047, "RangeValue.Value"},
                         {30070, "ExpandCollapse.ExpandCollapseState"},
                         {30079, "SelectionItem.IsSelected"},
                         {30086, "Toggle.ToggleState"}};

template <std::size_t N> std::string nameOf(const Id (&table)[N], int id) {
    for (const Id& entry : table)
        if (entry.id == id)
            return entry.name;
    return std::to_string(id);
}

std::string utf8(const wchar_t* text, int length = -1) {
    if (text == nullptr)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    if (length < 0 && !out.empty())
        out.pop_back(); // the terminating zero
    // One record per line: tabs and line breaks inside a text are blanked.
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}

std::string text(const VARIANT& v, PROPERTYID property = 0) {
    switch (v.vt) {
    case VT_BSTR:
        return utf8(v.bstrVal, int(SysStringLen(v.bstrVal)));
    case VT_BOOL:
        return v.boolVal ? "1" : "0";
    case VT_I4:
        if (property == expandCollapseStateProperty && v.lVal >= 0 && v.lVal < 4)
            return expandStates[v.lVal];
        return std::to_string(v.lVal);
    default:
        return "-";
    }
}

FILE* logFile() {
    static FILE* file = [] {
        wchar_t path[MAX_PATH];
        if (GetEnvironmentVariableW(L"ZELVANO_UIA_LOG", path, MAX_PATH) == 0)
            wcscpy(path, L"C:\\uia-log.txt");
        return _wfopen(path, L"ab");
    }();
    return file;
}

void record(const std::string& line) {
    if (FILE* file = logFile()) {
        std::fputs((line + "\n").c_str(), file);
        std::fflush(file);
    }
}

std::string property(IRawElementProviderSimple* element, PROPERTYID id) {
    VARIANT v;
    VariantInit(&v);
    if (element == nullptr || FAILED(element->GetPropertyValue(id, &v)))
        return {};
    std::string out = text(v);
    VariantClear(&v);
    return out;
}

std::string controlType(IRawElementProviderSimple* element) {
    VARIANT v;
    VariantInit(&v);
    if (element == nullptr || FAILED(element->GetPropertyValue(controlTypeProperty, &v)) ||
        v.vt != VT_I4)
        return "-";
    const long index = v.lVal - 50000;
    return index >= 0 && index < long(std::size(controlTypes)) ? controlTypes[index]
                                                               : std::to_string(v.lVal);
}

// The element's pattern as interface I, or null.
template <class I> I* pattern(IRawElementProviderSimple* element, PATTERNID id) {
    IUnknown* unknown = nullptr;
    if (FAILED(element->GetPatternProvider(id, &unknown)) || unknown == nullptr)
        return nullptr;
    I* out = nullptr;
    unknown->QueryInterface(__uuidof(I), reinterpret_cast<void**>(&out));
    unknown->Release();
    return out;
}

std::string valueField(IRawElementProviderSimple* element) {
    IValueProvider* value = pattern<IValueProvider>(element, valuePattern);
    if (value == nullptr)
        return "value=-";
    BOOL readOnly = FALSE;
    BSTR text = nullptr;
    value->get_IsReadOnly(&readOnly);
    value->get_Value(&text);
    std::string out = std::string("value=") + (readOnly ? "ro:" : "rw:") +
                      utf8(text, text ? int(SysStringLen(text)) : 0);
    SysFreeString(text);
    value->Release();
    return out;
}

std::string expandField(IRawElementProviderSimple* element) {
    auto* expand = pattern<IExpandCollapseProvider>(element, expandCollapsePattern);
    if (expand == nullptr)
        return "expand=-";
    ExpandCollapseState state = LeafNode;
    expand->get_ExpandCollapseState(&state);
    expand->Release();
    return std::string("expand=") + expandStates[state & 3];
}

std::string selectedField(IRawElementProviderSimple* element) {
    auto* item = pattern<ISelectionItemProvider>(element, selectionItemPattern);
    if (item == nullptr)
        return "selected=-";
    BOOL selected = FALSE;
    item->get_IsSelected(&selected);
    item->Release();
    return selected ? "selected=1" : "selected=0";
}

void walk(IRawElementProviderFragment* fragment, const std::string& snapshot, int depth,
          int& count) {
    IRawElementProviderSimple* element = nullptr;
    fragment->QueryInterface(__uuidof(IRawElementProviderSimple),
                             reinterpret_cast<void**>(&element));
    if (element != nullptr) {
        ++count;
        record("element\t" + snapshot + "\t" + std::to_string(depth) + "\t" + controlType(element) +
               "\t" + property(element, nameProperty) + "\t" +
               (property(element, focusableProperty) == "1" ? "focusable" : "-") + "\t" +
               valueField(element) + "\t" + expandField(element) + "\t" + selectedField(element) +
               "\t" + property(element, automationIdProperty));
        element->Release();
    }
    IRawElementProviderFragment* child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    while (child != nullptr) {
        walk(child, snapshot, depth + 1, count);
        IRawElementProviderFragment* next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
}

std::string describe(IRawElementProviderSimple* element) {
    return controlType(element) + "\t" + property(element, nameProperty);
}

} // namespace

extern "C" {

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM wParam, LPARAM lParam,
                                                                 IRawElementProviderSimple* root) {
    if (long(lParam) != rootObjectId || root == nullptr)
        return 0;
    IRawElementProviderFragment* fragment = nullptr;
    root->QueryInterface(__uuidof(IRawElementProviderFragment),
                         reinterpret_cast<void**>(&fragment));
    if (fragment == nullptr)
        return 0;
    const std::string snapshot = std::to_string(wParam);
    record("tree\t" + snapshot + "\tbegin");
    int count = 0;
    walk(fragment, snapshot, 0, count);
    fragment->Release();
    record("tree\t" + snapshot + "\tend " + std::to_string(count));
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** provider) {
    if (provider == nullptr)
        return E_INVALIDARG;
    *provider = nullptr;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID id) {
    record("event\t" + nameOf(events, id) + "\t" + describe(element));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* element, PROPERTYID id,
                                           VARIANT oldValue, VARIANT newValue) {
    record("property\t" + nameOf(properties, id) + "\t" + describe(element) + "\t" +
           text(oldValue, id) + "\t" + text(newValue, id));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* element,
                                                               int, int, BSTR displayString, BSTR) {
    record("notification\t" + describe(element) + "\t" +
           utf8(displayString, displayString ? int(SysStringLen(displayString)) : 0));
    return S_OK;
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() {
    return TRUE;
}

} // extern "C"
