#pragma once
// The table of user-interface texts. A text is named by what it is for; the built-in Russian
// wording and the language-file rules live in text_table.cpp.

#include <array>
#include <string>

namespace velmora {

// The number after each name is the data line of a language file that fills the text.
enum class Text {
    ExitQuestion,                   // 1
    ExitTitle,                      // 2
    AboutProgramDescription,        // 3
    AboutProgramTerms,              // 4
    AboutProgramVersion,            // 5, continued by data line 6
    AboutProgramCaption,            // 7
    OpenProgramPage,                // 8
    WriteToProgramAuthor,           // 9
    NextButtonText,                 // 10
    ExitButtonText,                 // 11
    AboutPackCaption,               // 12
    OpenPackPage,                   // 13
    WriteToPackAuthor,              // 14
    AcceptAgreement,                // 15
    ChooseMessenger,                // 16
    ConfirmTitle,                   // 17
    AskAnotherInstall,              // 18
    SearchMethodCaption,            // 19
    ManualFolderChoice,             // 20
    SimplifiedSearch,               // 21
    SearchMethodHint,               // 22
    BrowseFolderTitle,              // 23
    InfoAnimatedCountLabel,         // 24
    PackInfoCaption,                // 25
    InfoModesLabel,                 // 26
    InfoStaticLabel,                // 27
    InfoAnimatedLabel,              // 28
    InfoPagersLabel,                // 29
    InfoModeSingle,                 // 30
    InfoModeLightDark,              // 31
    InfoModeFullLite,               // 32
    InfoAddition,                   // 33
    InfoPresent,                    // 34
    InfoAbsent,                     // 35
    InfoAllPagers,                  // 36
    InfoFullVersion,                // 37
    InfoLiteVersion,                // 38
    InfoLightBackground,            // 39
    InfoDarkBackground,             // 40
    InfoNameLabel,                  // 41
    InfoStaticCountLabel,           // 42
    WarningTitle,                   // 43
    NoQipInFolder,                  // 44
    SimpleSearchCaption,            // 45
    SimpleSearchInstructions,       // 46
    SearchButtonText,               // 47
    QipFolderSearch,                // 48
    CancelText,                     // 49
    NoRunningQip,                   // 50
    ChooseQipCopyCaption,           // 51
    InstallingPack,                 // 52
    ModeFullVersion,                // 53
    ModeLiteVersion,                // 54
    ModeLightBackground,            // 55
    ModeDarkBackground,             // 56
    InstallModeCaption,             // 57
    ChooseSkinsCaption,             // 58
    NoSkinChosen,                   // 59
    SkinLabel,                      // 60
    CopyReportTitle,                // 61
    ReportInstalledPack,            // 62
    ReportAnimatedCopied,           // 63
    ReportAnimatedErrors,           // 64
    ReportStaticCopied,             // 65
    ReportStaticErrors,             // 66
    ReportSuccess,                  // 67
    ReportFailure,                  // 68
    AskLeaveInstaller,              // 69
    OverallProgressLabel,           // 70
    AnimatedProgressLabel,          // 71
    StaticProgressLabel,            // 72
    QipFolderFound,                 // 73, continued by data line 74
    GdiSmileCount,                  // 75
    GdiRecommendation,              // 76
    GdiDoItNow,                     // 77
    GdiChangeFailed,                // 78
    GdiTryAsAdministrator,          // 79
    GdiOver520,                     // 80
    GdiOver520AfterChange,          // 81
    GdiChangeDone,                  // 82
    AskReboot,                      // 83
    RestartQipNotice,               // 84
    AboutSpDeclaredWithoutData,     // 85
    AboutSpDataWithoutDeclaration,  // 86
    AboutSpEndTagMissing,           // 87
    AboutSpErrorHead,               // 88
    PackDataErrorHead,              // 89
    PackDataFolderHead,             // 90
    PackDataNoDefineIni,            // 91
    PackDataTooFewLines,            // 92
    PackDataTooManyLines,           // 93
    PackDataInstallImpossible,      // 94
    SamePackInstalled,              // 95
    AskOverwrite,                   // 96
    SimilarPackFound,               // 97
    NewPackName,                    // 98
    EarlierVersionFound,            // 99
    FolderLabel,                    // 100
    FoundVersionLabel,              // 101
    AskDeleteOldVersion,            // 102
    AskWriteLog,                    // 103
    AskOverwriteLog,                // 104
    AskMailLog,                     // 105
    BackButtonText,                 // 106
    ElapsedTimeLabel,  // no data line: built-in only, "Passed time:" with a language file
    RecoveryNotice,    // no data line: built-in only, in English with a language file
    Count
};

constexpr size_t kTextCount = static_cast<size_t>(Text::Count);

class UiStrings {
  public:
    std::string& operator[](Text id) { return texts_[static_cast<size_t>(id)]; }
    const std::string& operator[](Text id) const { return texts_[static_cast<size_t>(id)]; }

  private:
    std::array<std::string, kTextCount> texts_;
};

}  // namespace velmora
