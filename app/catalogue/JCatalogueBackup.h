// Functions: JBackUpFile, JGetBackupFolder, JSetBackupFolder, JIsBackupOf
// Copies of a catalogue as it was on disk before the program saved over it, kept in the user's
// local application data folder, "Shelvix\Backups\<name>-<yyyymmdd-hhmmss>.xml", ten per name.
#pragma once

#include <afx.h>

// Copies the file into the backup folder and deletes the oldest copies of the same name
// beyond the ten newest. False when the copy could not be made whole; pBackupPath receives
// the copy's path.
bool JBackUpFile(const char* pszPath, CString* pBackupPath = nullptr);

// The folder the copies go to; empty when the user's folder cannot be found.
CString JGetBackupFolder();
// Sends the copies to another folder (empty restores the user's); returns the previous one.
CString JSetBackupFolder(const CString& folder);

// Whether fileName is the name of a copy of a file whose name without extension is stem.
bool JIsBackupOf(const CString& fileName, const CString& stem);
