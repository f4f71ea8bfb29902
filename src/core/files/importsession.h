#pragma once

// Held while videos are imported (the video page's worker, the command-line tool): a shared
// lock on the cache root's ".import.lock", which the system drops when the process ends,
// also on a kill. When no other process is importing, the start removes what interrupted
// imports left: video folders that no row of the project database points to and ".part"
// files of unfinished copies. The end folds the database's log into its file.
//
// An import makes its video folder first and its row last (CVideoImporter), so a folder
// without a row is either being filled by a running import, which holds the lock, or left
// by one that died.
class CImportSession
{
public:
    CImportSession();
    ~CImportSession();
    CImportSession(const CImportSession &) = delete;
    CImportSession &operator=(const CImportSession &) = delete;

    // The folders and files removed at the start.
    int RemovedCount() const { return m_nRemoved; }

    // Removes, inside the cache root only, video folders named as a key of their project
    // folder (itself named as a project key) that no video or defect row uses, and ".part"
    // files in the others. Call only while no import runs (the session makes sure).
    static int RemoveLeftovers();

private:
    int m_fd = -1;
    int m_nRemoved = 0;
};
