// The speed-dial reader's selection dialog as a modal Win32 dialog.
#pragma once

#include "framework/retired_lists.h"
#include "speeddial/speed_dial_reader.h"
#include "ui/session_context.h"

class Win32SpeedDialDialogs : public SpeedDialDialogs {
public:
    explicit Win32SpeedDialDialogs(const SessionContext& context) : context_(context) {}
    bool SelectSpeedDials(const std::string& path, const SpeedDialTable& table, ImportResult& result) override;

private:
    const SessionContext& context_;
    // The selection dialog's lists, emptied when the session is over.
    CRetiredLists retiredLists_;
};
