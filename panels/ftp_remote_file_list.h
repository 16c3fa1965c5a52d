// CFtpRemoteFileList: the top panel, which shows the FTP site while a
// session is open (m_bRemote) and is a local panel otherwise. Every one of
// the eleven operations tests m_bRemote first and, while it is clear, does
// exactly what the local panel does.
//
// Where each group lives:
//   ftp_remote_file_list.cpp       paths, ReadFolder and its rows, the
//                                  single-item operations (slots 1, 2, 4-6, 8-10)
//   ftp_remote_file_list_tree.cpp  RemoveFolder, GetFolderSize and VisitTree:
//                                  the walks over a remote tree (slots 7, 11,
//                                  and the download of a folder)
//   ftp_remote_file_list_view.cpp  ViewFile: the web view through the site's
//                                  address, or a download (slot 3)
#pragma once

#include <string>
#include <vector>

#include "dirinfo.h"
#include "ftp_file_list.h"
#include "listed_time.h"


class CFtpRemoteFileList : public CFtpFileList {
public:
    BOOL GetParentPath(std::string& path) override;
    std::string MakePath(const std::string& folder, const std::string& name) override;
    BOOL ViewFile(const std::string& name) override;
    void ReadFolder() override;
    int CreateFolder(const std::string& path) override;
    int RemoveFile(const std::string& path) override;
    int RemoveFolder(const std::string& path) override;
    int RenameItem(const std::string& oldPath, const std::string& newPath) override;
    int PutFile(const std::string& source, const std::string& target) override;
    int GetFile(const std::string& target, const std::string& source) override;
    void GetFolderSize(const std::string& folder, uint64_t& total) override;

    // The relative part of the web view's address: from the site folder to
    // `folder` (both "/"-separated), e.g. "/www" to "/www/img" gives "/img".
    std::string SiteRelativePart(const std::string& folder, const std::string& siteFolder);

    std::string m_strSiteUrl;     // the profile's WWW address; empty when not connected
    std::string m_strSiteFolder;  // the folder on the server the address shows
    BOOL m_bSpaceAsked = FALSE;   // the blanks question was dealt with since the last listing

    // Walk bounds of the recursive delete and the visits: deeper trees, or more
    // folders than this, are taken for a server whose folders contain
    // themselves.
    static constexpr int kMaxDepth = 64;
    static constexpr size_t kMaxFolders = 100000;

    // What a walk over a remote tree (VisitTree) does with what it finds.
    class ITreeVisitor {
    public:
        // Whether a plain listed name is taken; a name refused is noted in the log.
        virtual bool Accepts(const std::string& name) = 0;
        // A folder about to be entered (false passes it over); each folder
        // entered is left (LeaveFolder) once its content has been visited.
        virtual bool EnterFolder(const CUT_DIRINFO& record) = 0;
        virtual void LeaveFolder() = 0;
        // A file at `path`: 0 goes on, anything else ends the walk with it.
        virtual int File(const std::string& path, const CUT_DIRINFO& record) = 0;

    protected:
        ~ITreeVisitor() = default;
    };
    // The files and folders under the site's `folder`, each folder before its
    // content; links are never followed, a folder that cannot be entered or
    // listed is passed over. 0; -4 when stopped, or when the tree contains
    // itself (`loopNoteId` is logged with the folder where the walk ended);
    // or the visitor's failure. The session is back in its folder, with its
    // listing, afterwards.
    int VisitTree(const std::string& folder, ITreeVisitor& visitor, UINT loopNoteId);

private:
    struct TreeWalk;
    int ShowFailure(int code) const;
    struct SizeTexts {
        std::string folder;  // "<dir>"
        std::string link;    // "<link>"
    };
    void AddRemoteEntry(const CUT_DIRINFO& record, const SizeTexts& texts, const SYSTEMTIME& utcNow,
                        bool* parentListed);
    int CopyFolderRecords(const std::string& folder, TreeWalk& walk, std::vector<CUT_DIRINFO>* records);
    int RemoveTree(const std::string& folder, TreeWalk& walk, int depth);
    int VisitFolder(const std::string& folder, TreeWalk& walk, int depth);
};
