// The per-process path record: the product's folders in named shared memory
// ("Brenix Process v23 (<pid>)", 3176 bytes, fixed layout) so every module of
// the process reads the same paths by position. The first module to map a
// fresh block fills it. A block that cannot be mapped makes every getter
// return empty text and every setter do nothing. Fields are read and written
// without a lock (main thread); only the singleton's creation is locked.
#pragma once

#include "BXSharedMemory.h"
#include "BXString.h"

#include <memory>

class BXProcessPaths {
public:
    static constexpr int32_t kFormatVersion = 23;
    static constexpr uint32_t kRecordSize = 3176;
    static constexpr int32_t kPathUnits = 261; // 260 characters and the terminator

    // Byte offsets of the record's fields.
    static constexpr uint32_t kOffsetInitialised = 0;
    static constexpr uint32_t kOffsetExecutablePath = 2;
    static constexpr uint32_t kOffsetProgramPath = 524;
    static constexpr uint32_t kOffsetDataPath = 1046;
    static constexpr uint32_t kOffsetLibraryPath = 1568;
    static constexpr uint32_t kOffsetApplicationDataPath = 2090;
    static constexpr uint32_t kOffsetInstallerFlag = 2612;
    static constexpr uint32_t kOffsetMainThread = 2616;
    static constexpr uint32_t kOffsetSettingsRoot = 2620;
    static constexpr uint32_t kOffsetPortableFlag = 2624;
    static constexpr uint32_t kOffsetTrailer = 3160;

    static constexpr const BXChar* kInstallationsKey = u"Software\\Brenix\\Coravel\\Installations";

    // Maps (and, when fresh, fills) the block of that name. executablePath
    // overrides the module file name; tests use both to get records of their own.
    explicit BXProcessPaths(const BXString& blockName, const BXString& executablePath = BXString());

    static BXString RecordName(uint32_t processId);

    BXString GetExecutablePath() const { return ReadPath(kOffsetExecutablePath); }
    BXString GetProgramPath() const { return ReadPath(kOffsetProgramPath); }
    BXString GetDataPath() const { return ReadPath(kOffsetDataPath); }
    BXString GetLibraryPath() const { return ReadPath(kOffsetLibraryPath); }
    BXString GetApplicationDataPath() const { return ReadPath(kOffsetApplicationDataPath); }

    void ResolveProgramPath(const BXString& productName, bool setDerived, bool onlyIfCreatedHere);
    void SetProgramPath(const BXString& path, bool setDerived, bool onlyIfCreatedHere);
    void SetDataPath(const BXString& path) { WritePath(kOffsetDataPath, path); }
    void SetLibraryPath(const BXString& path) { WritePath(kOffsetLibraryPath, path); }
    void SetApplicationDataPath(const BXString& path) { WritePath(kOffsetApplicationDataPath, path); }
    void SetInstallerFlag();

    bool IsMainThread() const;
    bool IsPortable() const;
    bool IsInstaller() const;
    bool WasCreatedHere() const { return m_createdHere; }
    bool IsValid() const { return m_block.IsValid(); }
    const uint8_t* RawRecord() const { return m_block.Data(); }

private:
    void Fill(const BXString& executablePath);
    BXString FindInstallationFolder(const BXString& productName, const BXString& executableFolder) const;
    BXString ReadPath(uint32_t offset) const;
    void WritePath(uint32_t offset, const BXString& path);

    BXSharedMemory m_block;
    bool m_createdHere = false;
};

// The process's record, created on first use under a process-wide lock.
BXProcessPaths& GetProcessPaths();
