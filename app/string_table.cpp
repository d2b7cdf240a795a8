#include "string_table.h"

#include "common/sjis_literal.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace app {
namespace {

struct Entry
{
    TextId id;
    const char *text;
};

constexpr Entry Table[] = {
    {TextId::AppTitle, "Cellvane"},
    {TextId::NewDataQuestion,
     sjis(
         "現在開いている%sﾃﾞｰﾀが保存されていません。\nこのまま新規作成すると、未保存のﾃﾞｰﾀは失われます。\n保存しますか？")},
    {TextId::KindAddress, sjis("ｱﾄﾞﾚｽ帳")},
    {TextId::KindBookmark, sjis("ﾌﾞｯｸﾏｰｸ")},
    {TextId::KindMail, sjis("ﾒｰﾙ")},
    {TextId::KindSchedule, sjis("ｽｹｼﾞｭｰﾙ")},
    {TextId::DriveSearchTitle, sjis("ﾄﾞﾗｲﾌﾞ検索中")},
    {TextId::DriveSearchText, sjis("ﾄﾞﾗｲﾌﾞの検索中です。\n\nしばらくお待ちください。")},
    {TextId::CardLoadTitle, sjis("携帯電話ﾃﾞｰﾀを読み込み中")},
    {TextId::CardLoadText, sjis("携帯電話ﾃﾞｰﾀを読み込み中です。\n\nしばらくお待ちください。")},
    {TextId::CardSaveTitle, sjis("携帯電話ﾃﾞｰﾀを保存中")},
    {TextId::CardSaveText, sjis("携帯電話ﾃﾞｰﾀを保存中です。\n\nしばらくお待ちください。")},
    {TextId::PcLoadTitle, sjis("ﾃﾞｰﾀを読み込み中")},
    {TextId::PcLoadText, sjis("ﾃﾞｰﾀを読み込み中です。\n\nしばらくお待ちください。")},
    {TextId::PcSaveTitle, sjis("ﾃﾞｰﾀを保存中")},
    {TextId::PcSaveText, sjis("ﾃﾞｰﾀを保存中です。\n\nしばらくお待ちください。")},
    {TextId::AddressNeedsNameOrPhone,
     sjis("名前、ﾌﾘｶﾞﾅ、電話番号１のいずれかは入力してください。")},
    {TextId::MemoryNumberTaken, sjis("番号が重複しています。\n重複しない番号を指定してください。")},
    {TextId::UrlRequired, sjis("URLは必ず入力してください。")},
    {TextId::TempFileFailed, sjis("ﾃﾝﾎﾟﾗﾘﾌｧｲﾙを開くことができませんでした。\n\nｴﾗｰ番号：0x%x")},
    {TextId::CaptionWarning, sjis("警告")},
    {TextId::CaptionInformation, sjis("情報")},
    {TextId::CaptionError, sjis("ｴﾗｰ")},
    {TextId::CaptionConfirmation, sjis("確認")},
    {TextId::CaptionFatal, sjis("致命的なｴﾗｰ")},
    {TextId::CaptionStartupError, sjis("初期起動時ｴﾗｰ")},
    {TextId::CalendarMonthTitle, sjis("%4d年 %2d月")},
    {TextId::PhoneSlotItem, sjis("電話番号 %d")},
    {TextId::MailSlotItem, sjis("ﾒｰﾙｱﾄﾞﾚｽ %d")},
    {TextId::RepeatForever, sjis("無期限")},
    {TextId::RepeatTimes, sjis("%d回")},
    {TextId::Sunday, sjis("日")},
    {TextId::Monday, sjis("月")},
    {TextId::Tuesday, sjis("火")},
    {TextId::Wednesday, sjis("水")},
    {TextId::Thursday, sjis("木")},
    {TextId::Friday, sjis("金")},
    {TextId::Saturday, sjis("土")},
    {TextId::PostalCodeShape, sjis("郵便番号は７桁の数字か、012-3456という形で記入してください。")},
    {TextId::EndBeforeStart,
     sjis(
         "終了時刻が開始時刻よりも前(過去)です。\n終了時刻は開始時刻よりも後(未来)に設定してください。")},
    {TextId::MemoryNumberTooHigh,
     sjis("携帯電話に設定できる最大ﾒﾓﾘ番号を超えています。\n\n有効ﾒﾓﾘ番号：0～%d")},
    {TextId::PromptBookmarkView, sjis("ﾌﾞｯｸﾏｰｸ編集ﾋﾞｭｰを表示します")},
    {TextId::PromptAddressView, sjis("ｱﾄﾞﾚｽ帳編集ﾋﾞｭｰを表示します")},
    {TextId::PromptMailView, sjis("ﾒｰﾙ確認ﾋﾞｭｰを表示します")},
    {TextId::PromptScheduleView, sjis("ｽｹｼﾞｭｰﾙ編集ﾋﾞｭｰを表示します")},
    {TextId::PromptModelSetting, sjis("携帯電話の機種設定を行います")},
    {TextId::PromptBanner, sjis("広告")},
    {TextId::PromptHelp, sjis("HTMLﾍﾙﾌﾟを表示します")},
    {TextId::PromptExit, sjis("ｱﾌﾟﾘｹｰｼｮﾝを終了します")},
    {TextId::PromptOpen, sjis("既存のﾃﾞｰﾀを開きます")},
    {TextId::PromptSaveAs, sjis("作業中のﾃﾞｰﾀを新しい名前で保存します")},
    {TextId::PromptAdd, sjis("ｱｲﾃﾑを追加します")},
    {TextId::PromptEdit, sjis("選択中のｱｲﾃﾑを編集します")},
    {TextId::PromptDelete, sjis("選択中のｱｲﾃﾑを削除します")},
    {TextId::PromptMainView, sjis("ｱﾌﾟﾘｹｰｼｮﾝのﾒｲﾝﾋﾞｭｰに戻ります")},
    {TextId::PromptLoadCard, sjis("ﾒﾓﾘｰｶｰﾄﾞから携帯電話のﾃﾞｰﾀを読み込みます")},
    {TextId::PromptSaveCard, sjis("ﾒﾓﾘｰｶｰﾄﾞに携帯電話のﾃﾞｰﾀを保存します")},
    {TextId::PromptNew, sjis("ﾃﾞｰﾀを新規作成します")},
    {TextId::PromptViewItem, sjis("選択中のｱｲﾃﾑを閲覧します")},
    {TextId::PromptSave, sjis("作業中のﾃﾞｰﾀを上書きして保存します")},
    {TextId::UnsupportedOs, sjis("未対応OSです。\n対応OSを確認してください。")},
    {TextId::ScreenTooSmall, sjis("画面の解像度を800×600以上でご利用ください。")},
    {TextId::TooFewColours, sjis("画面の色を16ﾋﾞｯﾄ以上でご利用ください。")},
    {TextId::OutOfMemoryAtStart, sjis("ﾒﾓﾘ容量が不足しています。\n\n起動に失敗しました。")},
    {TextId::PluginsMissing, sjis("ﾌﾟﾗｸﾞｲﾝが見つかりません。")},
    {TextId::PluginSetupFailed, sjis("ﾌﾟﾗｸﾞｲﾝの初期設定に失敗しました。")},
    {TextId::StartupFailed, sjis("ｱﾌﾟﾘｹｰｼｮﾝの起動に失敗しました。\n\nｴﾗｰ番号 = %d")},
    {TextId::Untitled, sjis("無題")},
    {TextId::SelectionCount, sjis("%d 件中 %d 件選択")},
    {TextId::DeleteQuestion,
     sjis("選択されている%sを削除します。（取り消しできません）\nよろしいですか？")},
    {TextId::UnsavedAtExit,
     sjis(
         "%sが保存されていません。\nこのまま終了すると、未保存のﾃﾞｰﾀは失われます。\n\n保存しますか？")},
    {TextId::ModelChangeQuestion,
     sjis(
         "携帯電話を変更しようとしています。\n\n続行する場合、全てのﾃﾞｰﾀを新規作成しますがよろしいですか？")},
    {TextId::ModelChangeCancelled, sjis("携帯電話の変更はｷｬﾝｾﾙされました。")},
    {TextId::DataOfOtherPlugin, sjis("「%s」ﾌﾟﾗｸﾞｲﾝ用のﾃﾞｰﾀです。\n\n読み込みを中止しました。")},
    {TextId::DataOfUnknownPlugin, sjis("不明なﾌﾟﾗｸﾞｲﾝ用のﾃﾞｰﾀです。\n\n読み込みを中止しました。")},
    {TextId::ModelDialogTitle, sjis("携帯機種の選択")},
    {TextId::ModelDialogLabel, sjis("携帯機種選択")},
    {TextId::ModelDialogNote,
     sjis(
         "機種毎に文字最大数が違うために、別の機種のﾃﾞｰﾀを編集すると文字が削除されたり、アイコン等が変更される場合があります。")},
    {TextId::CancelButton, sjis("ｷｬﾝｾﾙ")},
    {TextId::AboutMenuItem, sjis("ﾊﾞｰｼﾞｮﾝ情報")},
    {TextId::AboutTitle, sjis("Cellvaneのﾊﾞｰｼﾞｮﾝ情報")},
    {TextId::AboutVersion, "Version 1.0 Rel.200311121826"},
    {TextId::FileMenu, sjis("ﾌｧｲﾙ(&F)")},
    {TextId::MenuNew, sjis("新規作成")},
    {TextId::MenuOpen, sjis("開く")},
    {TextId::MenuSaveAs, sjis("別名で保存")},
    {TextId::MenuSave, sjis("上書き保存")},
    {TextId::MenuExit, sjis("ｱﾌﾟﾘｹｰｼｮﾝの終了")},
    {TextId::ContextAdd, sjis("新規追加")},
    {TextId::ContextEdit, sjis("編集")},
    {TextId::ContextDelete, sjis("削除")},
    {TextId::ContextOpenUrl, sjis("ﾌﾞｯｸﾏｰｸ先URL閲覧")},
    {TextId::ContextOpenMail, sjis("ﾒｰﾙ閲覧")},
    {TextId::DriveSelectTitle, sjis("ﾒﾓﾘｰｶｰﾄﾞの指定")},
    {TextId::DriveSelectText, sjis("メモリーカードが接続されているドライブを指定してください。")},
    {TextId::DriveSelectFolder, sjis("フォルダを指定...")},
    {TextId::ProgressTitle, sjis("作業進捗度")},
    {TextId::NoValidDrive,
     sjis("有効なﾄﾞﾗｲﾌﾞが存在しません。\nﾒﾃﾞｨｱが挿入されているか確認してください。")},
    {TextId::NoCardFiles, sjis("%sには対象ﾌｧｲﾙが存在しませんでした。")},
    {TextId::LoadedCount, sjis("%d 件、読み込みました。")},
    {TextId::LoadLimitReached,
     sjis("ﾃﾞｰﾀが上限の %d 件に達しているので、読み込みを中止しました。")},
    {TextId::LoadAllDuplicates,
     sjis("読み込もうとした全てのﾃﾞｰﾀが重複していたので、読み込みを中止しました。")},
    {TextId::ErrorUnsupported, sjis("この機能は現在設定されている携帯電話では使用できません。")},
    {TextId::ErrorNoMemory, sjis("ﾒﾓﾘ取得に失敗しました。")},
    {TextId::ErrorFileOperation, sjis("ﾌｧｲﾙ操作中に失敗しました。")},
    {TextId::ErrorFileOpen, sjis("ﾌｧｲﾙが開けませんでした。")},
    {TextId::ErrorNoManagementFile,
     sjis(
         "ﾃﾞｰﾀ管理ﾌｧｲﾙが存在しません。\n\n携帯電話でﾒﾓﾘｰｶｰﾄﾞの初期化を行うか、ﾃﾞｰﾀの更新を行って\nﾒﾓﾘｰｶｰﾄﾞを正しい状態にしてください。")},
    {TextId::ErrorUnrecoverable, sjis("回避不能なｴﾗｰが発生しました。")},
    {TextId::ErrorUnrecoverableCode, sjis("回避不能なｴﾗｰが発生しました。\n\nｴﾗｰ番号：%d")},
    {TextId::CardFull, sjis("%sにﾌｧｲﾙを作成することができません。\n処理は中断されました。")},
    {TextId::SavedEntries, sjis("%d 件のﾃﾞｰﾀを出力しました。")},
    {TextId::OwnerEntryMissing,
     sjis(
         "ご利用中の携帯電話情報が存在しないので保存できませんでした。\n\n規定通りの手順で作成された携帯電話のﾃﾞｰﾀの読み込みを行なってください。")},
    {TextId::MemoryNumbersBeyondPhone,
     sjis(
         "携帯電話に設定できる最大ﾒﾓﾘ番号 %d を超えているものがあります。\n\nこれらは携帯電話へ情報が反映されません。\n保存作業を続行しますか？")},
    {TextId::CardFileSaved, sjis("ﾌｧｲﾙ [%s%s] を保存しました。")},
    {TextId::CardFileSaveFailed,
     sjis("ﾌｧｲﾙ [%s%s] を保存中にｴﾗｰが発生しました。\n処理は中断されました。")},
    {TextId::PcReadNoMemory, sjis("ﾌｧｲﾙ読み込みのためのﾒﾓﾘ確保に失敗しました。")},
    {TextId::PcOpenFailed,
     sjis("ﾌｧｲﾙを開くことができませんでした。\n\nｴﾗｰﾌｧｲﾙ:%s\nｴﾗｰｺｰﾄﾞ:0x%08x")},
    {TextId::PcFileDamaged,
     sjis("ﾌｧｲﾙが破損しているか、本ｿﾌﾄｳｪｱのﾃﾞｰﾀではないので、読み込めませんでした。")},
    {TextId::PcOpenUnsaved,
     sjis(
         "現在開いている%sﾃﾞｰﾀが保存されていません。\nこのまま読み込みを行うと、未保存のﾃﾞｰﾀは失われます。\n読み込みを行いますか？")},
    {TextId::PcCreateFailed,
     sjis("ﾌｧｲﾙを作成することができませんでした。\n\nｴﾗｰﾌｧｲﾙ:%s\nｴﾗｰｺｰﾄﾞ:0x%08x")},
    {TextId::NoMailProgram, sjis("*.eml を開くことのできるアプリケーションがありません。")},
    {TextId::CliUsage,
     sjis(
         "使い方:\n  cellvane-cli [--model 機種] models\n  cellvane-cli [--model 機種] load 種類 ｶｰﾄﾞ -o ﾌｧｲﾙ\n  cellvane-cli [--model 機種] save ﾌｧｲﾙ ｶｰﾄﾞ [--yes]\n  cellvane-cli [--model 機種] show ﾌｧｲﾙ\n  cellvane-cli [--model 機種] export ﾌｧｲﾙ OUT\n  cellvane-cli [--model 機種] import IN -o ﾌｧｲﾙ\n  cellvane-cli convert ﾌｧｲﾙ --to-model 機種 -o OUT\n\nmodels  組み込まれた機種のﾌﾟﾗｸﾞｲﾝｺｰﾄﾞと機種名を表示します。\nload    ｶｰﾄﾞ（ﾒﾓﾘｰｶｰﾄﾞか、そのｺﾋﾟｰを置いたﾌｫﾙﾀﾞ）から種類（address, schedule, mail,\n        bookmark）のﾃﾞｰﾀを読み込み、ﾌｧｲﾙに保存します。ﾌｧｲﾙがあれば、そのﾃﾞｰﾀに追加します。\nsave    PC ﾃﾞｰﾀﾌｧｲﾙのﾃﾞｰﾀをｶｰﾄﾞに新しいﾌｧｲﾙとして保存します。--yes は確認に「はい」と答えます。\nshow    PC ﾃﾞｰﾀﾌｧｲﾙかｶｰﾄﾞのﾌｧｲﾙのﾃﾞｰﾀを、一覧の列をﾀﾌﾞで区切って表示します。\nexport  PC ﾃﾞｰﾀﾌｧｲﾙかｶｰﾄﾞのﾌｧｲﾙのﾃﾞｰﾀを OUT の拡張子の形式で書き出します\n        （.vcf vCard 3.0、.ics iCalendar、.mbox ﾒｰﾙ、.html ﾌﾞｯｸﾏｰｸ）。\nimport  IN（vCard の .vcf か iCalendar の .ics）のﾃﾞｰﾀを機種に合わせて PC ﾃﾞｰﾀﾌｧｲﾙに\n        追加します。ﾌｧｲﾙがなければ作ります。変えた値は標準ｴﾗｰ出力に報告します。\nconvert 別の機種で保存した PC ﾃﾞｰﾀﾌｧｲﾙを --to-model の機種用に変換して OUT に保存します。\n\n--model 機種名かその末尾（大文字と小文字は区別しません）。省略すると、ｴﾃﾞｨﾀで選んだ機種です。\n終了ｺｰﾄﾞ: 0 成功、1 失敗、2 使い方の誤り")},
    {TextId::CliNoCommand, sjis("ｺﾏﾝﾄﾞを指定してください。")},
    {TextId::CliUnknownCommand, sjis("ｺﾏﾝﾄﾞ「%s」はありません。")},
    {TextId::CliUnknownOption, sjis("ｵﾌﾟｼｮﾝ「%s」はありません。")},
    {TextId::CliOptionNeedsValue, sjis("ｵﾌﾟｼｮﾝ「%s」には値を続けてください。")},
    {TextId::CliOptionRepeated, sjis("ｵﾌﾟｼｮﾝ「%s」が2度指定されています。")},
    {TextId::CliOptionNotForCommand, sjis("ｵﾌﾟｼｮﾝ「%s」は %s には使えません。")},
    {TextId::CliArgumentCount, sjis("%s の引数の数が違います。")},
    {TextId::CliOutputMissing, sjis("%s には -o ﾌｧｲﾙ を指定してください。")},
    {TextId::CliUnknownKind,
     sjis(
         "種類「%s」はありません。address, schedule, mail, bookmark のどれかを指定してください。")},
    {TextId::CliUnknownModel,
     sjis("機種「%s」のﾌﾟﾗｸﾞｲﾝはありません。次の機種から指定してください:")},
    {TextId::CliAmbiguousModel,
     sjis("機種「%s」に当たるﾌﾟﾗｸﾞｲﾝが複数あります。次の機種から指定してください:")},
    {TextId::CliMailNotSaved, sjis("ﾒｰﾙはﾒﾓﾘｰｶｰﾄﾞに保存できません。")},
    {TextId::CliNothingToSave, sjis("ﾌｧｲﾙ %s には保存するﾃﾞｰﾀがありません。")},
    {TextId::CliAnsweredYes, sjis("（--yes により「はい」と答えました）")},
    {TextId::CliAnsweredNo, sjis("（--yes がないため「いいえ」と答えました）")},
    {TextId::CliMailFolderHeading, sjis("ﾌｫﾙﾀﾞ")},
    {TextId::CliExportFormatUnknown,
     sjis("%s の形式がわかりません。拡張子を .vcf, .ics, .mbox, .html のどれかにしてください。")},
    {TextId::CliExportKindMismatch, sjis("%sﾃﾞｰﾀは %s の形式には書き出せません。")},
    {TextId::Exported, sjis("%d 件を %s に書き出しました。")},
    {TextId::CliTargetModelMissing, sjis("convert には --to-model 機種 を指定してください。")},
    {TextId::CliSameModel, sjis("%s はすでに %s 用のﾃﾞｰﾀです。")},
    {TextId::CliImportFormatUnknown,
     sjis("%s の形式がわかりません。拡張子を .vcf（ｱﾄﾞﾚｽ帳）か .ics（ｽｹｼﾞｭｰﾙ）にしてください。")},
    {TextId::CliConverted, sjis("%d 件を %s 用に変換して %s に保存しました。")},
    {TextId::ImportAdded, sjis("%s から %d 件を読み込み、%d 件を追加しました。")},
    {TextId::ImportNotAllAdded,
     sjis("%d 件は、同じﾃﾞｰﾀがあるか件数の上限を超えるため追加しませんでした。")},
    {TextId::ImportNothingRead, sjis("%s には取り込めるﾃﾞｰﾀがありません。")},
    {TextId::ImportNotCalendar, sjis("%s は iCalendar ﾌｧｲﾙではありません。")},
    {TextId::ImportUnsupportedVersion,
     sjis(
         "%s は iCalendar 2.0 のﾌｧｲﾙではありません。vCalendar 1.0 のﾌｧｲﾙは、ｶｰﾄﾞからの読み込みで取り込めます。")},
    {TextId::ImportNotForKind, sjis("%sﾃﾞｰﾀには取り込めるﾌｧｲﾙの形式がありません。")},
    {TextId::ImportReportTitle, sjis("取り込みの報告")},
    {TextId::ImportReportHeading, sjis("次のﾃﾞｰﾀは、機種に合わせて変更しました。")},
    {TextId::ConversionOptionUnmatched, sjis("%s「%s」はこの機種にないため、「%s」にしました")},
    {TextId::ConversionBeyondCapacity, sjis("この機種は %d 件までのため、変換しませんでした")},
    {TextId::ConversionMemoryNumberMoved,
     sjis("ﾒﾓﾘ番号 %d はこの機種で使えないため、%d にしました")},
    {TextId::ConvertQuestion,
     sjis("このﾃﾞｰﾀを「%s」用に変換して読み込みますか？\n\n元のﾌｧｲﾙは変更しません。")},
    {TextId::ConvertedForModel, sjis("%d 件を「%s」用に変換して読み込みました。")},
    {TextId::ConversionWeekdaysDropped,
     sjis("この機種には曜日の指定がないため、開始日の曜日だけの繰り返しにしました")},
    {TextId::AddressImportTextCut, sjis("%sを %d ﾊﾞｲﾄに切り詰めました（元の値：%s）")},
    {TextId::AddressImportCharactersReplaced,
     sjis("%sの Shift_JIS にない文字 %d 個を「?」にしました（元の値：%s）")},
    {TextId::AddressImportFieldMissing,
     sjis("この機種には%sがないため、「%s」を取り込みませんでした")},
    {TextId::AddressImportSlotsFull, sjis("%sは %d 件までのため、「%s」を取り込みませんでした")},
    {TextId::AddressImportExtraValue, sjis("%sは 1 つだけのため、「%s」を取り込みませんでした")},
    {TextId::AddressImportNoPlace, sjis("取り込み先のない項目を省きました：%s")},
    {TextId::AddressImportIconUnmatched,
     sjis("%s「%s」の種類（%s）に合うｱｲｺﾝがないため、「%s」にしました")},
    {TextId::AddressImportReadingNotKana,
     sjis("ﾌﾘｶﾞﾅ「%s」は半角ｶﾅにできないため、取り込みませんでした")},
    {TextId::AddressImportPhoneNumberChanged, sjis("電話番号「%s」を「%s」として取り込みました")},
    {TextId::AddressImportPhoneNumberUnusable,
     sjis("電話番号「%s」には数字がないため、取り込みませんでした")},
    {TextId::AddressImportPostalCodeMoved,
     sjis("郵便番号「%s」は郵便番号欄に入らないため、住所の先頭に入れました")},
    {TextId::AddressImportMemoryNumberRefused,
     sjis("ﾒﾓﾘ番号「%s」は使えないため、番号を振り直しました")},
    {TextId::AddressImportSecondOwner,
     sjis("本人の情報は 1 件だけのため、通常の件として取り込みました")},
    {TextId::AddressImportEntrySkipped,
     sjis("名前、ﾌﾘｶﾞﾅ、電話番号のどれもないため、取り込みませんでした")},
    {TextId::AddressImportUnreadableLines, sjis("読めない行 %d 行を省きました")},
    {TextId::AddressImportNestedCards, sjis("中に入れ子になった vCard %d 件を省きました")},
    {TextId::AddressImportUnterminated, sjis("END:VCARD がないままﾌｧｲﾙが終わっていました")},
    {TextId::AddressImportUnknownCharset, sjis("文字ｺｰﾄﾞ %s を読めないため、自動判定しました")},
    {TextId::ScheduleImportUnknownZone,
     sjis("時間帯「%s」がわからないため、日本時間として読みました")},
    {TextId::ScheduleImportEndBeforeStart,
     sjis("終了日時が開始日時より前のため、終了を開始日時にしました")},
    {TextId::ScheduleImportEndOutsideYears,
     sjis("終了日時が機種の扱える年の外にあるため、終了を開始日時にしました")},
    {TextId::ScheduleImportNoAllDay,
     sjis("この機種には終日設定がないため、0:00～23:59 の予定にしました")},
    {TextId::ScheduleImportNoEndTime,
     sjis("この機種には終了日時がないため、終了を開始日時にしました")},
    {TextId::ScheduleImportEndDateFixed,
     sjis("この機種では終了日が開始日と同じため、終了を開始日の 23:59 にしました")},
    {TextId::ScheduleImportRepeatCountDropped,
     sjis("この機種には繰り返し回数がないため、%d 回の繰り返しを無期限にしました")},
    {TextId::ScheduleImportRepeatCountCut,
     sjis("繰り返しを %d 回で打ち切りました（この機種の最大）")},
    {TextId::ScheduleImportRepeatDropped,
     sjis("繰り返し規則「%s」はこの機種で表せないため、繰り返しなしにしました")},
    {TextId::ScheduleImportExtraRule, sjis("2 つ目以降の繰り返し規則（RRULE）を省きました")},
    {TextId::ScheduleImportExtraAlarm, sjis("2 つ目以降のｱﾗｰﾑを省きました")},
    {TextId::ScheduleImportAlarmWithoutTime, sjis("時刻のないｱﾗｰﾑを省きました")},
    {TextId::ScheduleImportNoAlarm, sjis("この機種にはｱﾗｰﾑがないため、ｱﾗｰﾑを取り込みませんでした")},
    {TextId::ScheduleImportAlarmOutsideYears,
     sjis("ｱﾗｰﾑの日時が機種の扱える年の外にあるため、ｱﾗｰﾑを取り込みませんでした")},
    {TextId::ScheduleImportAlarmLeadCut,
     sjis("ｱﾗｰﾑを開始の %d 分前（この機種で最も前）にしました")},
    {TextId::ScheduleImportAlarmAtStart,
     sjis("この機種ではｱﾗｰﾑをこの日時に指定できないため、開始日時にしました")},
    {TextId::ScheduleImportFieldMissing, sjis("この機種には%sがないため、取り込みませんでした")},
    {TextId::ScheduleImportCharactersReplaced,
     sjis("%sの Shift_JIS にない文字 %d 個を「?」にしました")},
    {TextId::ScheduleImportTextCut, sjis("%sを %d ﾊﾞｲﾄに切り詰めました（元は %d ﾊﾞｲﾄ）")},
    {TextId::ScheduleImportSummaryMoved,
     sjis("この機種には概要がないため、概要を内容の先頭に入れました")},
    {TextId::ScheduleImportCategoriesUnused, sjis("分類「%s」は使いませんでした（ｱｲｺﾝは「%s」）")},
    {TextId::ScheduleImportIconUnmatched,
     sjis("分類「%s」に合うｱｲｺﾝがないため、ｱｲｺﾝを「%s」にしました")},
    {TextId::ScheduleImportChoiceRefused,
     sjis("%s「%s」はこの機種で選べないため、取り込みませんでした")},
    {TextId::ScheduleImportUnreadableLine, sjis("読めない行を省きました：%s")},
    {TextId::ScheduleImportExceptionsDropped,
     sjis("繰り返しの例外（%s）はこの機種にないため、省きました")},
    {TextId::ScheduleImportSingleOccurrence,
     sjis("繰り返しの一回分だけの変更のため、別の予定として取り込みました")},
    {TextId::ScheduleImportNoPlace, sjis("取り込み先のない項目を省きました：%s")},
    {TextId::ScheduleImportNoStart, sjis("開始日時がないため、取り込みませんでした")},
    {TextId::ScheduleImportStartOutsideYears,
     sjis("開始日 %s が機種の扱える年（%d～%d 年）の外にあるため、取り込みませんでした")},
    {TextId::ScheduleImportNoVersion, sjis("VERSION がないため、iCalendar 2.0 として読みました")},
    {TextId::ScheduleImportNotEvent,
     sjis("予定（VEVENT）ではないため、%d 件を取り込みませんでした")},
    {TextId::ScheduleImportBeyondCapacity, sjis("%d 件を超えた予定 %d 件は取り込みませんでした")},
    {TextId::MenuExport, sjis("エクスポート...")},
    {TextId::MenuImport, sjis("インポート...")},
    {TextId::PromptExport, sjis("ﾃﾞｰﾀを vCard などの形式で書き出します")},
    {TextId::PromptImport, sjis("vCard などのﾌｧｲﾙからﾃﾞｰﾀを追加します")},
    {TextId::ExportDialogTitle, sjis("エクスポート")},
    {TextId::ImportDialogTitle, sjis("インポート")},
};

} // namespace

const char *text(TextId id)
{
    return textOfId(static_cast<int>(id));
}

const char *textOfId(int id)
{
    for (const Entry &entry : Table) {
        if (static_cast<int>(entry.id) == id)
            return entry.text;
    }
    return "";
}

std::string formatText(TextId id, ...)
{
    const char *format = text(id);
    va_list arguments;
    va_start(arguments, id);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), format, arguments);
        result.resize(static_cast<size_t>(length));
    }
    va_end(arguments);
    return result;
}

} // namespace app
