// The Help menu: the manual's contents, its keyword index and the About box.
#include <QAction>

#include "CommonDialog.h"
#include "frmAbout.h"
#include "frmZolvane.h"

void frmZolvane::ConnectHelpHandlers() {
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuHelpSearch, &QAction::triggered, this, [this] { mnuHelpSearch_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

void frmZolvane::mnuHelpContents_Click() {
    cmdlgChartColor->HelpCommand = Platform::HelpContents;
    cmdlgChartColor->ShowHelp();
}

void frmZolvane::mnuHelpSearch_Click() {
    cmdlgChartColor->HelpCommand = Platform::HelpSearch;
    cmdlgChartColor->ShowHelp();
}

void frmZolvane::mnuHelpAbout_Click() {
    // The chart window waits here until the box is closed.
    frmAbout about(this);
    about.exec();
}
