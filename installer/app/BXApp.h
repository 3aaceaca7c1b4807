// The application framework: BXApp (instance, arguments, registered window
// classes, exit code), BXExecutableApp (COM/OLE, locale tables, components),
// BXGraphicalApp (message loop). One application object per process, made
// at static construction; GetApp() reaches it.
#pragma once

#include "BXStringArray.h"
#include "BXStringMap.h"
#include "BXWindows.h"

class BXApp {
public:
    BXApp();
    virtual ~BXApp();
    BXApp(const BXApp&) = delete;
    BXApp& operator=(const BXApp&) = delete;

    virtual BOOL ProcessAttach(HINSTANCE instance, DWORD reason);
    virtual int Run(HINSTANCE instance, HINSTANCE previous, int showCommand);
    virtual int RunFromModule();
    virtual bool InitInstance();
    virtual bool ExitInstance();
    virtual void MessageLoop();
    virtual bool Reserved7() { return true; }
    virtual bool Reserved8() { return true; }

    void RegisterWindowClass(const BXString& className) { m_windowClasses.SetAt(className, true); }
    BXStringArray& GetArguments() { return m_arguments; }
    HINSTANCE GetInstance() const { return m_instance; }
    int GetExitCode() const { return m_exitCode; }

protected:
    HINSTANCE m_instance = nullptr;
    int m_showCommand = SW_SHOWNORMAL;
    int m_exitCode = 0;
    BXStringMap<bool> m_windowClasses;
    BXStringArray m_arguments;
    BXStringArray m_moreArguments;
    int m_attachCount = 0;
};

// The application object, or null before it is constructed.
BXApp* GetApp();

class BXExecutableApp : public BXApp {
public:
    enum ComMode { kComNone = 0, kComInitialised = 1, kOleInitialised = 2 };

    ~BXExecutableApp() override;
    bool InitInstance() override;
    bool ExitInstance() override;
    virtual bool LoadComponents();
    virtual bool InitOle();
    virtual void UninitOle();
    virtual void InstallCrashHandler() {}

protected:
    int m_comMode = kComNone;
};

// Its crash handler (installed only by applications that call
// InstallCrashHandler) logs the crash once through the tools component,
// records where it happened in the shared block "BXCrashInfo<process id>"
// and runs the reporter "BXCrashHandler.exe" from the program path, waiting
// for it; the system's own handling follows.
class BXGraphicalApp : public BXExecutableApp {
public:
    static constexpr UINT kProductCommandMessage = WM_APP + 1001;

    void MessageLoop() override;
    void InstallCrashHandler() override;
    // Null pointers: a context captured here stands in for the exception's.
    static void CrashRoutine(EXCEPTION_POINTERS* pointers);

protected:
    MSG m_message{};
};
