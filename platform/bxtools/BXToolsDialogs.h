// The dialog service: message boxes and the folder picker. For unattended
// runs the environment variable BXTOOLS_ANSWERS holds an answer list
// ("Yes|No|OK|6|C:\Folder", "|"-separated): while it is set no window opens,
// each box takes the next answer (the box's default once the list is used
// up) and each picker the next entry ("Cancel" or empty cancels). Every box
// and its answer is written to the log.
#pragma once

#include "IBXTools.h"

#include <mutex>
#include <vector>

class BXToolsDialogs final : public IBXDialogs {
public:
    static constexpr const char* kAnswersVariable = "BXTOOLS_ANSWERS";

    // log may be null. Without an answer list, boxes are shown to the user.
    BXToolsDialogs(IBXLog* log, bool useAnswerList, const BXString& answers);
    // Reads the answer list from the environment.
    explicit BXToolsDialogs(IBXLog* log);

    int32_t ShowMessageBox(const BXMessageBoxInfo* info) override;
    bool PickFolder(void* owner, const BXChar* title, const BXChar* start, BXDllString* folder) override;

    // "OK", "Cancel", "Yes", ... or a number; 0 for text that is neither.
    static int32_t ParseAnswer(const BXString& text);
    static const BXChar* AnswerName(int32_t answer);

private:
    void LoadAnswers(const BXString& answers);
    bool NextAnswer(BXString& answer);

    IBXLog* m_log;
    bool m_useAnswerList = false;
    std::vector<BXString> m_answers;
    size_t m_next = 0;
    std::mutex m_lock;
};
