#pragma once

#include <string>
#include <vector>

namespace vetra {

// How the front ends show a notice.
enum class NoticeDisplay {
    Summary,        // a line of the summary
    FramedSummary,  // a problem with one file: its text between two rule lines of the summary
    MessageBox,     // a message box; "vetra: TEXT" on standard error from the command line
};

// What a notice reports.
enum class NoticeKind {
    Note,        // something the user should know about a file that was done: tiles left out, a warning
    Refusal,     // the file is not one the operation takes, as it stands
    ReadError,   // a file could not be read
    WriteError,  // an output could not be written
    Failure,     // the closing word on a file the operation could not do
};

// One thing an operation has to tell the user: which file, what happened, why, and the words to show.
struct Notice {
    NoticeKind kind = NoticeKind::Note;
    NoticeDisplay display = NoticeDisplay::Summary;
    std::string file;    // the file it is about; "" for none
    std::string reason;  // why, as a clause after the file ("is not an 8-bit bitmap"); "" where text says it all
    std::string text;    // the wording shown

    bool operator==(const Notice&) const = default;
};

enum class FileStatus {
    Done,     // every output was written
    Refused,  // the file is not one the operation takes; nothing was written
    Failed,   // the operation went wrong on the way; nothing of it was left behind
};

// What one engine operation did with one file. Engine operations return it instead of reporting on the way;
// the front ends show its notices (ReportFile) and count its status.
struct FileResult {
    std::string file;
    FileStatus status = FileStatus::Done;
    std::vector<std::string> written;  // files created or replaced, in order
    std::vector<Notice> notices;       // in the order they arose

    bool Done() const { return status == FileStatus::Done; }

    void Add(Notice notice) { notices.push_back(std::move(notice)); }
    // A plain summary line about the file that was done.
    void Note(std::string text) { Add({NoticeKind::Note, NoticeDisplay::Summary, file, {}, std::move(text)}); }
    // A note framed in the summary, such as the tiles a map bitmap cannot hold.
    void FramedNote(std::string text) {
        Add({NoticeKind::Note, NoticeDisplay::FramedSummary, file, {}, std::move(text)});
    }
    // A problem with a file, framed in the summary: "FILE REASON.".
    void Problem(NoticeKind kind, const std::string& path, const std::string& reason) {
        Add({kind, NoticeDisplay::FramedSummary, path, reason, path + " " + reason + "."});
    }
    // Marks the file refused or failed; keeps the worse of two such marks.
    void Mark(FileStatus worse) {
        if (worse == FileStatus::Failed || status == FileStatus::Done) status = worse;
    }
    // The file could not be done: the status, and the closing message box "Could not ACTION FILE: it REASON."
    // where the first problem noticed gives the reason (and names its own file where that is another one).
    void Fail(FileStatus worse, const std::string& action);

    // The first notice of a problem that gives its reason; null when there is none.
    const Notice* FirstProblem() const;
    // Refused when the first problem is a refusal of the file as it stands, else failed.
    FileStatus StatusOfProblems() const;
    // Marks the file as its problems say and gives the result back, for an operation that stops here.
    FileResult Stopped() {
        Mark(StatusOfProblems());
        return std::move(*this);
    }
};

// The result of a file the operation never took up, refused with one notice.
FileResult RefusedFile(const std::string& path, Notice notice);

}  // namespace vetra
