// Runs the cross-built lookup libraries for real (under Wine): it plays the outside lookup
// application (server window, debugger window, calls of the exports), a plug-in of its own,
// a running "Excel.Application" and two broadcast clients. The servers must be registered
// (regsvr32) and VLServerDLL.dll must lie beside this program. Prints one line per failed
// check and "N passed, N failed".
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int g_iPassed = 0;
int g_iFailed = 0;

void Check(bool ok, const char* what, int line) {
  if (ok) {
    ++g_iPassed;
  } else {
    ++g_iFailed;
    std::printf("FAILED (line %d): %s\n", line, what);
  }
}

#define CHECK(condition) Check((condition), #condition, __LINE__)

// ---- the test's own automation objects -------------------------------------------------

// IDispatch by member name: ids are the positions in Members() plus 1.
class TestObject : public IDispatch {
 public:
  virtual ~TestObject() = default;
  STDMETHODIMP QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_iRefs); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG count = InterlockedDecrement(&m_iRefs);
    if (count == 0) delete this;
    return count;
  }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    const std::vector<std::wstring> members = Members();
    for (size_t i = 0; i < members.size(); ++i) {
      if (count == 1 && _wcsicmp(members[i].c_str(), names[0]) == 0) {
        ids[0] = static_cast<DISPID>(i + 1);
        return S_OK;
      }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO*, UINT*) override {
    const std::vector<std::wstring> members = Members();
    if (id < 1 || static_cast<size_t>(id) > members.size()) return DISP_E_MEMBERNOTFOUND;
    VARIANT ignored;
    VariantInit(&ignored);
    const HRESULT answer = Call(members[id - 1], *params, result ? result : &ignored);
    VariantClear(&ignored);
    return answer;
  }

 protected:
  virtual std::vector<std::wstring> Members() const = 0;
  virtual HRESULT Call(const std::wstring& member, DISPPARAMS& params, VARIANT* result) = 0;

  static void SetText(VARIANT* target, const wchar_t* text) {
    VariantClear(target);
    V_VT(target) = VT_BSTR;
    V_BSTR(target) = SysAllocString(text);
  }
  static void SetObject(VARIANT* target, IDispatch* object) {
    V_VT(target) = VT_DISPATCH;
    V_DISPATCH(target) = object;
  }
  // Argument i (in call order) as an integer, references followed.
  static LONG IntArg(DISPPARAMS& params, UINT i) {
    VARIANT value;
    VariantInit(&value);
    VariantChangeType(&value, &params.rgvarg[params.cArgs - 1 - i], 0, VT_I4);
    return V_I4(&value);
  }

 private:
  LONG m_iRefs = 1;
};

class ExcelRange : public TestObject {
 public:
  explicit ExcelRange(std::wstring text) : m_sText(std::move(text)) {}
  std::vector<std::wstring> Members() const override { return {L"Text"}; }
  HRESULT Call(const std::wstring&, DISPPARAMS&, VARIANT* result) override {
    SetText(result, m_sText.c_str());
    return S_OK;
  }

 private:
  std::wstring m_sText;
};

class ExcelWindow : public TestObject {
 public:
  std::vector<std::wstring> Members() const override { return {L"RangeFromPoint", L"Selection"}; }
  HRESULT Call(const std::wstring& member, DISPPARAMS& params, VARIANT* result) override {
    if (member == L"Selection") {
      SetObject(result, new ExcelRange(L"selection"));
      return S_OK;
    }
    if (params.cArgs != 2 || IntArg(params, 0) != 100 || IntArg(params, 1) != 200) {
      return DISP_E_BADPARAMCOUNT;
    }
    SetObject(result, new ExcelRange(L" cell 42 "));
    return S_OK;
  }
};

class ExcelApplication : public TestObject {
 public:
  std::vector<std::wstring> Members() const override { return {L"ActiveWindow"}; }
  HRESULT Call(const std::wstring&, DISPPARAMS&, VARIANT* result) override {
    SetObject(result, new ExcelWindow);
    return S_OK;
  }
};

// Captures for Msg 42 only: every argument must come by reference.
class TestPlugIn : public TestObject {
 public:
  static LONG s_iCalls;
  std::vector<std::wstring> Members() const override { return {L"HandleApp"}; }
  HRESULT Call(const std::wstring&, DISPPARAMS& params, VARIANT* result) override {
    ++s_iCalls;
    if (params.cArgs != 8) return DISP_E_BADPARAMCOUNT;
    VARIANT* args[8];
    for (UINT i = 0; i < 8; ++i) {
      VARIANT& arg = params.rgvarg[7 - i];
      if (V_VT(&arg) != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
      args[i] = V_VARIANTREF(&arg);
    }
    const bool mine = V_VT(args[1]) == VT_I4 && V_I4(args[1]) == 42;
    if (mine) {
      const wchar_t* texts[] = {L"left", L"middle", L"right", L"plug-in info"};
      for (int i = 0; i < 4; ++i) SetText(args[4 + i], texts[i]);
    }
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = mine ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
};
LONG TestPlugIn::s_iCalls = 0;

class Client : public TestObject {
 public:
  std::vector<std::wstring> m_received;
  std::vector<std::wstring> Members() const override { return {L"Info"}; }
  HRESULT Call(const std::wstring&, DISPPARAMS& params, VARIANT*) override {
    if (params.cArgs != 1 || V_VT(&params.rgvarg[0]) != VT_BSTR) return DISP_E_TYPEMISMATCH;
    m_received.push_back(V_BSTR(&params.rgvarg[0]));
    return S_OK;
  }
};

class PlugInFactory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown*, REFIID id, void** object) override {
    TestPlugIn* plugIn = new TestPlugIn;
    const HRESULT result = plugIn->QueryInterface(id, object);
    plugIn->Release();
    return result;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

// {6A1E7C52-0B1D-4C39-9E57-3F20D1A8B6C1} and {0E4F8D21-7A63-4B5C-8D19-C2B7A9E0F354}
const CLSID kPlugInClass = {
    0x6a1e7c52, 0x0b1d, 0x4c39, {0x9e, 0x57, 0x3f, 0x20, 0xd1, 0xa8, 0xb6, 0xc1}};
const CLSID kExcelClass = {
    0x0e4f8d21, 0x7a63, 0x4b5c, {0x8d, 0x19, 0xc2, 0xb7, 0xa9, 0xe0, 0xf3, 0x54}};

// ---- windows -----------------------------------------------------------------------------

std::vector<ULONG_PTR> g_notes;         // dwData of WM_COPYDATA to the server window
std::vector<std::string> g_traceLines;  // texts sent to the debugger window

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->cbData == 0 && data->lpData == nullptr && wParam == 0)
      g_notes.push_back(data->dwData);
    return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK DebuggerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->dwData == 0 && data->cbData > 0) {
      g_traceLines.push_back(std::string(static_cast<const char*>(data->lpData), data->cbData - 1));
    }
    return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND TopWindow(const char* windowClass, const char* title, WNDPROC proc = DefWindowProcA) {
  WNDCLASSA type = {};
  type.lpfnWndProc = proc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = windowClass;
  RegisterClassA(&type);
  HWND window = CreateWindowA(windowClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200,
                              nullptr, nullptr, type.hInstance, nullptr);
  return window;
}

void Pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

void Shift(WORD scan, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_SHIFT;
  input.ki.wScan = scan;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
  Pump(50);
}

bool HasTrace(const std::string& line) {
  for (const std::string& l : g_traceLines) {
    if (l == line) return true;
  }
  return false;
}

// ---- registry ---------------------------------------------------------------------------

const char kPlugInKey[] = "Software\\ZTReader\\Vistal\\PlugIns";

bool SetString(HKEY root, const char* path, const char* name, const char* data) {
  HKEY key;
  if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
    return false;
  const LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                                     static_cast<DWORD>(strlen(data) + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

std::string GetString(const char* path, const char* name) {
  char data[256] = {};
  DWORD size = sizeof data - 1;
  return RegGetValueA(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_SZ, nullptr, data, &size) ==
                 ERROR_SUCCESS
             ? data
             : "";
}

// ---- the exports of VLServerDLL -----------------------------------------------------------

struct ServerDll {
  bool(WINAPI* HandleApp)(HWND, LONG, LONG, LONG, bool);
  void(WINAPI* RemovePlugIns)();
  void(WINAPI* AddPlugIns)();
  const char*(WINAPI* GetInfo)();
  const char*(WINAPI* GetWord)();
  LRESULT(WINAPI* MouseProc)(int, WPARAM, LPARAM);
  bool(WINAPI* MouseWasDown)();
  void(WINAPI* UnHookKeyboard)();
  void(WINAPI* HookKeyboard)();
  void(WINAPI* UnHookMouse)();
  void(WINAPI* HookMouse)();
};

template <typename F>
bool Bind(HMODULE module, int ordinal, const char* name, F* function) {
  FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  *function = reinterpret_cast<F>(reinterpret_cast<void*>(byOrdinal));
  return byOrdinal && byOrdinal == GetProcAddress(module, name);
}

bool LoadServer(ServerDll* dll) {
  HMODULE module = LoadLibraryA("VLServerDLL.dll");
  if (!module) return false;
  return Bind(module, 1, "HandleApp", &dll->HandleApp) &&
         Bind(module, 2, "RemovePlugIns", &dll->RemovePlugIns) &&
         Bind(module, 3, "AddPlugIns", &dll->AddPlugIns) &&
         Bind(module, 4, "GetInfo", &dll->GetInfo) && Bind(module, 5, "GetWord", &dll->GetWord) &&
         Bind(module, 6, "_MouseProc", &dll->MouseProc) &&
         Bind(module, 7, "MouseWasDown", &dll->MouseWasDown) &&
         Bind(module, 8, "UnHookKeyboard", &dll->UnHookKeyboard) &&
         Bind(module, 9, "HookKeyboard", &dll->HookKeyboard) &&
         Bind(module, 10, "UnHookMouse", &dll->UnHookMouse) &&
         Bind(module, 11, "HookMouse", &dll->HookMouse);
}

// ---- late-bound calls ---------------------------------------------------------------------

HRESULT Call(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr,
                       static_cast<UINT>(reversed.size()), 0};
  VariantInit(result);
  const HRESULT answer = object->Invoke(id, IID_NULL, 0, flags, &params, result, nullptr, nullptr);
  for (VARIANT& arg : args) VariantClear(&arg);
  return answer;
}

VARIANT Int(LONG value) {
  VARIANT v;
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  return v;
}

VARIANT Text(const wchar_t* text) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(text);
  return v;
}

VARIANT Object(IDispatch* object) {
  VARIANT v;
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = object;
  object->AddRef();
  return v;
}

IDispatch* Create(const wchar_t* progId) {
  CLSID id;
  IDispatch* object = nullptr;
  if (SUCCEEDED(CLSIDFromProgID(progId, &id))) {
    CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                     reinterpret_cast<void**>(&object));
  }
  return object;
}

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
  return id;
}

// ---- the tests ----------------------------------------------------------------------------

void TestRegistration() {
  CHECK(GetString(kPlugInKey, "MSOffice") == "VL_MSOffice.VL_MSOffice");
}

void TestMouse(const ServerDll& dll) {
  dll.HookMouse();
  CHECK(!dll.MouseWasDown());
  MOUSEHOOKSTRUCT data = {};
  dll.MouseProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&data));
  CHECK(!dll.MouseWasDown());
  dll.MouseProc(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&data));
  CHECK(dll.MouseWasDown());
  CHECK(!dll.MouseWasDown());
  dll.UnHookMouse();
}

void TestGesture(const ServerDll& dll, HWND server) {
  dll.HookKeyboard();
  SetForegroundWindow(server);
  SetFocus(server);
  Pump(100);
  g_notes.clear();
  Shift(0x2A, false);
  Shift(0x2A, false);
  Shift(0x36, false);
  Shift(0x2A, true);
  Shift(0x36, true);
  Pump(200);
  CHECK(g_notes.size() == 1 && g_notes[0] == 9999);
  // Releasing the second key first is no gesture.
  Shift(0x2A, false);
  Shift(0x36, false);
  Shift(0x36, true);
  Shift(0x2A, true);
  Pump(200);
  CHECK(g_notes.size() == 1);
  dll.UnHookKeyboard();
}

void TestPlugIns(const ServerDll& dll) {
  CHECK(!dll.HandleApp(nullptr, 42, 0, 0, true));  // no plug-in array yet
  DWORD cookie = 0;
  static PlugInFactory factory;
  CHECK(SUCCEEDED(CoRegisterClassObject(kPlugInClass, &factory, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &cookie)));
  CHECK(SetString(HKEY_LOCAL_MACHINE, "Software\\Classes\\VLTest.PlugIn\\CLSID", nullptr,
                  "{6A1E7C52-0B1D-4C39-9E57-3F20D1A8B6C1}"));
  CHECK(SetString(HKEY_LOCAL_MACHINE, kPlugInKey, "Test", "VLTest.PlugIn"));
  dll.AddPlugIns();
  HWND other = TopWindow("VLTestOther", "Other");
  CHECK(dll.HandleApp(other, 42, 1, 2, false));
  CHECK(std::string(dll.GetWord()) == "middle");
  CHECK(std::string(dll.GetInfo()) == "plug-in info");
  CHECK(!dll.HandleApp(other, 42, 1, 2, false));
  CHECK(dll.HandleApp(other, 42, 1, 2, true));
  CHECK(TestPlugIn::s_iCalls == 3);
}

void TestDefaultPlugIn(const ServerDll& dll) {
  HWND form = TopWindow("VLTestForm", "Form");
  HWND edit = CreateWindowA("EDIT", "look this up", WS_CHILD | WS_VISIBLE, 10, 10, 300, 24, form,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  Pump(100);
  const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, 6, 0);
  POINT point = {static_cast<short>(LOWORD(at)) + 2, static_cast<short>(HIWORD(at)) + 4};
  ClientToScreen(edit, &point);
  CHECK(dll.HandleApp(edit, 1, point.x, point.y, true));
  CHECK(std::string(dll.GetWord()) == "this");
  CHECK(std::string(dll.GetInfo()) ==
        "<APPL>Edit</APPL><PREV>look</PREV><WORD>this</WORD><NEXT>up</NEXT>"
        "<SENT>look this up</SENT><CURSORPOS>6</CURSORPOS>");
}

void TestExcel(const ServerDll& dll) {
  CHECK(SetString(HKEY_LOCAL_MACHINE, "Software\\Classes\\Excel.Application\\CLSID", nullptr,
                  "{0E4F8D21-7A63-4B5C-8D19-C2B7A9E0F354}"));
  ExcelApplication* excel = new ExcelApplication;
  DWORD cookie = 0;
  // The running object table lives in a system service that may still be starting.
  HRESULT registered = E_FAIL;
  for (int attempt = 0; attempt < 40 && FAILED(registered); ++attempt) {
    registered = RegisterActiveObject(excel, kExcelClass, ACTIVEOBJECT_STRONG, &cookie);
    if (FAILED(registered)) Sleep(250);
  }
  CHECK(SUCCEEDED(registered));
  HWND sheet = TopWindow("XLMAIN", "Book1");
  CHECK(dll.HandleApp(sheet, 1, 100, 200, true));
  CHECK(std::string(dll.GetWord()) == "cell 42");
  CHECK(std::string(dll.GetInfo()) ==
        "<APPL>MS Excel</APPL><PREV></PREV><WORD>cell 42</WORD><NEXT></NEXT>"
        "<SENT>cell 42</SENT><CURSORPOS>1</CURSORPOS>");
  CHECK(HasTrace("XLMAIN") && HasTrace("EXCEL"));
  RevokeActiveObject(cookie, nullptr);
  excel->Release();
  dll.RemovePlugIns();
  CHECK(!dll.HandleApp(sheet, 1, 100, 200, true));
}

void TestOfficeDirectly() {
  IDispatch* office = Create(L"VL_MSOffice.VL_MSOffice");
  CHECK(office != nullptr);
  if (!office) return;
  CHECK(IdOf(office, L"HandleApp") == 1);
  HWND notepad = TopWindow("Notepad", "Untitled");
  VARIANT outs[4], result;
  for (VARIANT& v : outs) VariantInit(&v);
  std::vector<VARIANT> args = {Int(static_cast<LONG>(reinterpret_cast<LONG_PTR>(notepad))), Int(1),
                               Int(0), Int(0)};
  for (VARIANT& out : outs) {
    VARIANT ref;
    V_VT(&ref) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&ref) = &out;
    args.push_back(ref);
  }
  CHECK(SUCCEEDED(Call(office, 1, DISPATCH_METHOD, args, &result)));
  CHECK(V_VT(&result) == VT_BOOL && V_BOOL(&result) == VARIANT_FALSE);
  CHECK(V_VT(&outs[1]) == VT_EMPTY);
  office->Release();
}

void TestBroadcast() {
  IDispatch* comm = Create(L"VLSup.VLComm");
  CHECK(comm != nullptr);
  if (!comm) return;
  const wchar_t* names[] = {L"RegisterClient", L"UnRegisterClient", L"BroadCast", L"RegisterCount",
                            L"DoClose"};
  const DISPID ids[] = {1, 2, 3, 5, 6};
  for (int i = 0; i < 5; ++i) CHECK(IdOf(comm, names[i]) == ids[i]);
  Client* clients[] = {new Client, new Client};
  LONG handles[2] = {};
  VARIANT result;
  for (int i = 0; i < 2; ++i) {
    CHECK(SUCCEEDED(Call(comm, 1, DISPATCH_METHOD, {Object(clients[i])}, &result)));
    handles[i] = V_VT(&result) == VT_I4 ? V_I4(&result) : 0;
  }
  CHECK(handles[0] != 0 && handles[1] != 0 && handles[0] != handles[1]);
  CHECK(SUCCEEDED(Call(comm, 3, DISPATCH_METHOD, {Text(L"hello")}, &result)));
  for (Client* client : clients) {
    CHECK(client->m_received.size() == 1 && client->m_received[0] == L"hello");
  }
  CHECK(HasTrace("BroadCast : hello"));
  CHECK(SUCCEEDED(Call(comm, 5, DISPATCH_PROPERTYGET, {}, &result)));
  CHECK(V_VT(&result) == VT_I4 && V_I4(&result) == 2);
  CHECK(SUCCEEDED(Call(comm, 6, DISPATCH_METHOD, {}, &result)));
  CHECK(V_VT(&result) == VT_BOOL && V_BOOL(&result) == VARIANT_FALSE);
  for (LONG handle : handles) {
    CHECK(SUCCEEDED(Call(comm, 2, DISPATCH_METHOD, {Int(handle)}, &result)));
  }
  CHECK(SUCCEEDED(Call(comm, 6, DISPATCH_METHOD, {}, &result)));
  CHECK(V_VT(&result) == VT_BOOL && V_BOOL(&result) == VARIANT_TRUE);
  comm->Release();
  for (Client* client : clients) client->Release();
}

}  // namespace

int main() {
  if (FAILED(CoInitialize(nullptr))) {
    std::printf("automation unavailable\n0 passed, 1 failed\n");
    return 1;
  }
  HWND server = TopWindow("TfrmVistalServer", "Vistal Server", ServerProc);
  TopWindow("TfrmDebug", "Kestrel Debugger", DebuggerProc);
  ServerDll dll = {};
  const bool loaded = LoadServer(&dll);
  CHECK(loaded);
  CHECK(server != nullptr);
  if (loaded && server) {
    TestRegistration();
    TestMouse(dll);
    TestGesture(dll, server);
    TestPlugIns(dll);
    TestDefaultPlugIn(dll);
    TestExcel(dll);
  }
  TestOfficeDirectly();
  TestBroadcast();
  std::printf("%d passed, %d failed\n", g_iPassed, g_iFailed);
  return g_iFailed ? 1 : 0;
}
