#include "lang/text_table.h"

#include <algorithm>
#include <iterator>

namespace velmora {
namespace {

const TextRow kRows[] = {
    {1, Text::ExitQuestion, "", "", "Действительно хотите закрыть программу?"},
    {2, Text::ExitTitle, "", "...", "Подтверждение выхода..."},
    {3, Text::AboutProgramDescription, "", "",
     "Программа для установки смайлов в QIP 2005/Infium и другие интернет-пейджеры."},
    {4, Text::AboutProgramTerms, "", "", "Условия распространения: бесплатно"},
    {5, Text::AboutProgramVersion, "", "",
     "Предназначена для Windows XP и выше.\r\nVelmora Версия: "},
    {7, Text::AboutProgramCaption, "", "", "О программе:"},
    {8, Text::OpenProgramPage, "", "...", "Открыть страницу программы..."},
    {9, Text::WriteToProgramAuthor, "", "...", "Написать письмо автору программы..."},
    {10, Text::NextButtonText, "", " >>", "Далее >>"},
    {11, Text::ExitButtonText, "", "", "Выход"},
    {12, Text::AboutPackCaption, "", ":", "О смайл-паке:"},
    {13, Text::OpenPackPage, "", "...", "Открыть страницу смайл-пака..."},
    {14, Text::WriteToPackAuthor, "", "...", "Написать письмо автору смайл-пака..."},
    {15, Text::AcceptAgreement, "", "", "Я принимаю условия соглашения"},
    {16, Text::ChooseMessenger, "", ":", "Выберите пейджер для установки смайл-пака:"},
    {17, Text::ConfirmTitle, "", "...", "Подтверждение..."},
    {18, Text::AskAnotherInstall, "", "",
     "Хотите установить смайлы в другой пейджер? Или другую версию смайл-пака для того же пейджера."},
    {19, Text::SearchMethodCaption, "", ":", "Выберите метод поиска QIP`а:"},
    {20, Text::ManualFolderChoice, "", "", "Выбор папки программы вручную"},
    {21, Text::SimplifiedSearch, "", "", "Упрощенный поиск"},
    {22, Text::SearchMethodHint, "", ".",
     "Если вы не знаете где у вас установлен QIP, выбирайте упрощенный поиск."},
    {23, Text::BrowseFolderTitle, "", "", "Выберете папку QIP`а"},
    {24, Text::InfoAnimatedCountLabel, " ", "", " Кол-во анимированных смайлов"},
    {25, Text::PackInfoCaption, "", ":", "Информация о смайл-паке:"},
    {26, Text::InfoModesLabel, " ", "", " Доступные режимы установки"},
    {27, Text::InfoStaticLabel, " ", "", " Статический смайлы"},
    {28, Text::InfoAnimatedLabel, " ", "", " Анимированные смайлы"},
    {29, Text::InfoPagersLabel, " ", "", " Поддерживаемые пейджеры"},
    {30, Text::InfoModeSingle, "", "", "Простой смайл-пак"},
    {31, Text::InfoModeLightDark, "", "", "Светлый/Темный фон"},
    {32, Text::InfoModeFullLite, "", "", "Полная/Легкая версии"},
    {33, Text::InfoAddition, "", "", "Дополнение"},
    {34, Text::InfoPresent, "", "", "есть"},
    {35, Text::InfoAbsent, "", "", "нет"},
    {36, Text::InfoAllPagers, "", "", "все"},
    {37, Text::InfoFullVersion, "", "", "Полная версия"},
    {38, Text::InfoLiteVersion, "", "", "Легкая версия"},
    {39, Text::InfoLightBackground, "", "", "Светлый фон"},
    {40, Text::InfoDarkBackground, "", "", "Темный фон"},
    {41, Text::InfoNameLabel, " ", ": ", " Название смайл-пака: "},
    {42, Text::InfoStaticCountLabel, " ", ": ", " Кол-во статичных смайлов: "},
    {43, Text::WarningTitle, "", "...", "Предупреждение..."},
    {44, Text::NoQipInFolder, "", "!", "В выбранной папке QIP не обнаружен!"},
    {45, Text::SimpleSearchCaption, "", ":", "Упрощенный поиск:"},
    {46, Text::SimpleSearchInstructions, "", "",
     "QIP, на который вы хотите установить смайлы, должен быть включен (не обязательно, чтобы было подключение к сети), запустите его, если он у вас не запущен, и нажмите ниже кнопку \"Искать >>\""},
    {47, Text::SearchButtonText, "", " >>", "Искать >>"},
    {48, Text::QipFolderSearch, "", ":", "Поиск папки QIP`а:"},
    {49, Text::CancelText, "", "", "Отмена"},
    {50, Text::NoRunningQip, "", "!", "Не найдено ни одной запущенной версии QIP`а!"},
    {51, Text::ChooseQipCopyCaption, "", ":", "Выберите копию QIP`а для установки:"},
    {52, Text::InstallingPack, "", "", "Установка смайл-пака"},
    {53, Text::ModeFullVersion, "", "", "Полная версия"},
    {54, Text::ModeLiteVersion, "", "", "Легкая версия"},
    {55, Text::ModeLightBackground, "", "", "Версия для светлого фона"},
    {56, Text::ModeDarkBackground, "", "", "Версия для темного фона"},
    {57, Text::InstallModeCaption, "", ":", "Выберите режим установки для смайл-пака:"},
    {58, Text::ChooseSkinsCaption, "", ":", "Отметьте скины в которые нужно установить смайл-пак:"},
    {59, Text::NoSkinChosen, "", "", "Не выбран не один скин для установки! Повторить выбор?"},
    {60, Text::SkinLabel, "", ": ", "Скин: "},
    {61, Text::CopyReportTitle, "", "", "Отчет о копировании..."},
    {62, Text::ReportInstalledPack, "", "", "Установленный смайл-пак:"},
    {63, Text::ReportAnimatedCopied, "", "", "Скопированно анимированных смайлов:"},
    {64, Text::ReportAnimatedErrors, "", "", "Ошибок при копировании анимированных смайлов:"},
    {65, Text::ReportStaticCopied, "", "", "Скопированно статических смайлов:"},
    {66, Text::ReportStaticErrors, "", "", "Ошибок при копировании статических смайлов:"},
    {67, Text::ReportSuccess, "", "", "Смайл-пак установлен успешно!"},
    {68, Text::ReportFailure, "", "", "ОШИБКА ПРИ УСТАНОВКЕ!!!"},
    {69, Text::AskLeaveInstaller, "", "", "Выйти из программы установки?"},
    {70, Text::OverallProgressLabel, "", "", "Общий прогресс копирования:"},
    {71, Text::AnimatedProgressLabel, "", "", "Копирование анимированных смайлов:"},
    {72, Text::StaticProgressLabel, "", "", "Копирование статических смайлов:"},
    {73, Text::QipFolderFound, "", "", "Папка QIP`а успешно найдена!\r\nПуть к найденной папке:"},
    {75, Text::GdiSmileCount, "", "", "Количество смайлов: "},
    {76, Text::GdiRecommendation, "", "",
     "При таком количестве смайлов рекомендуется увеличить количество разрешенных обьектов GDI для приложения. Иначе работа программы QIP будет не стабильной."},
    {77, Text::GdiDoItNow, "", "", "Сделать это программно?"},
    {78, Text::GdiChangeFailed, "", "",
     "Не удалось изменить количество разрешенных обьектов GDI программно!"},
    {79, Text::GdiTryAsAdministrator, "", "",
     "Попробуйте выполнить установку этого смайл-пака под учетной записью администратора."},
    {80, Text::GdiOver520, "", "",
     "При количестве смайлов больше 520, работа программы может быть не стабильной!"},
    {81, Text::GdiOver520AfterChange, "", "",
     "Если количество смайлов больше 520, то даже после увеличения обьектов GDI, работа программы может быть не стабильной!"},
    {82, Text::GdiChangeDone, "", "",
     "Изменение количества разрешенных обьектов GDI произведено успешно, новые параметры вступят в силу после перезагрузки системы."},
    {83, Text::AskReboot, "", "",
     "При установке смайлов было произведено изменение параметров обьектов GDI, новые параметры вступят в силу после перезагрузки системы. Выполнить перезагрузку сейчас?"},
    {84, Text::RestartQipNotice, "", "",
     "Для использования новых смайлов, необходимо перезапустить QIP."},
    {85, Text::AboutSpDeclaredWithoutData, "", "",
     "Язык обьявлен, но его данные отсутствуют ИЛИ отсутствует тэг \"language: \" + название языка ИЛИ отсутствует тэг \"List: End\""},
    {86, Text::AboutSpDataWithoutDeclaration, "", "",
     "Данные языка в в наличии, но он не обьявлен."},
    {87, Text::AboutSpEndTagMissing, "", "", "Отсутствует тэг \"Language: end\"."},
    {88, Text::AboutSpErrorHead, "", " \"aboutSP.ini\": \r\n\r\n",
     "Ошибка в файле \"aboutSP.ini\": \r\n\r\n"},
    {89, Text::PackDataErrorHead, "", "", "Ошибка в данных смайл-пака:"},
    {90, Text::PackDataFolderHead, "", " \"", "В папке: \""},
    {91, Text::PackDataNoDefineIni, "\" ", "", "\" отсутствует файл \"_define.ini\"."},
    {92, Text::PackDataTooFewLines, "", "",
     "Количество строк в \"_define.ini\" меньше, чем количество смайлов, папка:"},
    {93, Text::PackDataTooManyLines, "", "",
     "Количество строк в \"_define.ini\" и значение количества в \"SMP.ini\" больше чем смайлов! Папка:"},
    {94, Text::PackDataInstallImpossible, "", "", "Установка смайл-пака не возможна!"},
    {95, Text::SamePackInstalled, "", "",
     "Смайл-пак с такими данными уже установлен (название пакета:"},
    {96, Text::AskOverwrite, "", "", "перезаписать заново?"},
    {97, Text::SimilarPackFound, "", "", "Найден смайл-пак с похожим названием (название пакета:"},
    {98, Text::NewPackName, "", "", "новый пакет будет установлен с названием:"},
    {99, Text::EarlierVersionFound, "", "", "Найдена предыдущая версия этого смайл-пака!"},
    {100, Text::FolderLabel, "", "", "Папка:"},
    {101, Text::FoundVersionLabel, "", "", "Найденная версия:"},
    {102, Text::AskDeleteOldVersion, "", "", "Удалить старую версию?"},
    {103, Text::AskWriteLog, "", "",
     "При установке смайл-пака были обнаружены ошибки, создать LOG-файл с отчетом о них?"},
    {104, Text::AskOverwriteLog, "", "", "LOG-файл уже существует, перезаписать его заново?"},
    {105, Text::AskMailLog, "", "", "Отправить LOG-файл на e-mail автору смайл-пака?"},
    {106, Text::BackButtonText, "", "", "<< Назад"},
};

}  // namespace

const TextRow* FindTextRow(int line) {
    const auto row = std::find_if(std::begin(kRows), std::end(kRows),
                                  [line](const TextRow& r) { return r.line == line; });
    return row == std::end(kRows) ? nullptr : row;
}

void AssignBuiltInTexts(UiStrings& texts, int lastLine, const std::string& programVersion) {
    for (const TextRow& row : kRows) {
        if (row.line <= lastLine) texts[row.id] = row.builtIn;
    }
    if (lastLine >= 5) texts[Text::AboutProgramVersion] += programVersion;
    if (lastLine >= kLastDataLine) {
        texts[Text::ElapsedTimeLabel] = "Прошло времени:";
        texts[Text::RecoveryNotice] =
            "Предыдущая установка в этот QIP не была завершена. Этим папкам возвращено то, что "
            "в них было до неё:";
    }
}

void ApplyDataLine(UiStrings& texts, int line, const std::string& data,
                   const std::string& programVersion) {
    if (line == 6) {
        texts[Text::AboutProgramVersion] += "\r\nVelmora " + data + programVersion;
    } else if (line == 74) {
        texts[Text::QipFolderFound] += "\r\n" + data + ":";
    } else if (const TextRow* row = FindTextRow(line)) {
        texts[row->id] = row->prefix + data + row->suffix;
    }
}

}  // namespace velmora
