// The messages a test sends to a backup host: a window around one control and a BackupManager.
#pragma once
#include <windows.h>

inline constexpr char kHostClass[] = "QXBackupHost";

enum HostMessage : UINT {
    kHostIsModified = WM_APP + 1,  // the control's modified flag
    kHostTick,                     // the backup tick; 1 when a backup was written
    kHostEdit,                     // wParam: seed of a few random edits; returns the data size
    kHostStress,                   // wParam: MiB; writes ever new backups of that size until killed
    kHostWriteBackup,              // WriteBackup; 1 when written
    kHostUndo,                     // QX_Undo; 1 when something was undone
    kHostFill,                     // wParam KiB of random bytes (lParam: seed) become the document, as an edit
};

enum HostCopyData : ULONG_PTR {
    kHostSetData = 1,       // the bytes become the document, as an edit: the control's flag is set
    kHostDumpData = 2,      // the document's bytes are written to the file named
    kHostSetName = 3,       // the document gets the name (UpdateRecord; the caption shows it)
};

// The environment variable that gives the backup tick's period in milliseconds.
inline constexpr char kHostTimerVariable[] = "QX_BACKUP_TIME_MS";
