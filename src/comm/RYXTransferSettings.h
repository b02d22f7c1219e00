#pragma once

// The user's choices about transfers that outlive the program, kept with
// the communication settings.
class RYXTransferSettings
{
public:
    /// Whether a download reads back what it wrote and compares (on unless
    /// the user turned it off, or this run was told otherwise).
    static bool verifyDownloads();
    /// Stores the choice for this and later runs.
    static void setVerifyDownloads(bool on);
    /// Decides for this run only (the command line), leaving the stored choice.
    static void overrideVerifyDownloads(bool on);
};
