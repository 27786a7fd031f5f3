// The layout editor's string table, sorted by id. Texts are UTF-8 exactly as the editor shows them.
#include "platform/StringTable.h"

namespace tembra {

// clang-format off
const StringEntry kLayoutEditorStringTable[] = {
    // Document template: title, untitled name, file type, filter, extension, registry names.
    {128, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] \n無題\nLayouDocument\nLayout File (*.lyt)\n.lyt\nLayout.Document\nLayout Document"},
    // A typed text holding characters the CP932 files cannot store (%1 names them, one a line).
    {5930, "保存できない文字が含まれています。\n%1\n別の文字に置き換えてください。"},
    // A one-line field holding a line break (a paste brings one).
    {5939, "この欄には改行を入力できません。"},
    // Framework: application name.
    {57344, "Marquell"},
    // Messages of the dialogs.
    {61204, "印刷ヘッダ欄高さが小さすぎます。\n他の欄の高さを調節してください。"},
    {61206, "工程欄高さが小さすぎます｡\n他の欄の高さを調節してください。"},
    {61213, "この名前は既に使用されています。\n別の名前を入力してください。"},
    {61214, "分割数は１より大きい値を入力してください。"},
    {61215, "分割数が多すぎて間隔が取れません。\n分割数を小さくしてください。"},
    {61216, "入力領域名を入力してください。"},
    // Status-bar prompts of the layout view, by drawing mode and drag state.
    {61217, "固定文字入力領域の開始点を左クリック"},
    {61218, "固定文字入力領域の終了点を左クリック"},
    {61220, "入力領域の開始点を左クリック"},
    {61221, "入力領域の終了点を左クリック"},
    {61222, "直線の開始点を左クリック"},
    {61223, "直線の終了点を左クリック"},
    {61224, "四角の開始点を左クリック"},
    {61225, "四角の終了点を左クリック"},
    {61226, "編集する要素を左クリック"},
    {61227, "複数の要素を枠で囲む"},
    {61228, "編集する要素を左クリック"},
    {61229, "複写する要素を左クリック"},
    {61230, "複写する要素を枠で囲む"},
    {61231, "複写元の要素を左クリック"},
    {61232, "複写先で左クリック"},
    {61233, "移動する要素を左クリック"},
    {61234, "移動する要素を枠で囲む"},
    {61235, "移動元の要素を左クリック"},
    {61236, "移動先で左クリック"},
    {61237, "変形する要素を左クリック"},
    {61238, "変形する要素を枠で囲む"},
    {61239, "変形枠のマークを左クリック"},
    {61240, "変形先で左クリック"},
    // Messages of the file and document paths.
    {61241, "書式名が入力されていないか\n無効な書式名です。\n書式名を入力し直してください。"},
    {61242, "このファイルはマスターファイルで\n書き込むことは出来ません。\n別のファイル名を指定してください。"},
    {61243, "この名前は既に登録されています。\n別の名前を入力してください。"},
    {61244, "データが変更されています。\n変更を更新してから戻りますか？"},
    {61245, "用紙情報がMARQUELL.INIファイルに見付かりません。\nすぐに終了してMARQUELL.INIファイルを確認してください。"},
    {61246, "データの生成が出来ません。"},
    {61247, "この書式名は既に使用されています。\n別の書式名に変更してください。"},
    {61248, "これは固定の領域名です。\n変更することは出来ません。"},
    {61249, "変更内容は次回レイアウトエディタ\n起動から有効になります"},
    {61250, "表示文字列として無効です。\n表示することの出来る文字列を入力してください。"},
    {61251, "入力領域名として無効です。\n表示することの出来る文字列を入力してください。"},
    {61252, "ディスクの空き容量が不足しているため書式の保存に失敗しました。\n保存先のドライブを変更するか、もしくはＦＤを入れ替えて保存し直して下さい。\n"},
    {61253, "一時編集中です。\n他のファイルを開くことはできません。"},
    // Messages of our own: a target that cannot be written, and the width check of the size
    // settings (61206 names the heights).
    {61254, "%1 に書き込むことができません。\n保存先のフォルダと書き込みの権限を確認してください。"},
    {61255, "工程欄幅が小さすぎます。\n他の欄の幅を調節してください。"},
    // Framework texts.
    {61440, "ファイルを開く"}, // text not given: composed
    {61441, "名前を付けて保存"}, // text not given: composed
    {61442, "コピーを保存"}, // text not given: composed
    {61443, "無題"}, // text not given: composed
    {61697, "%1 を開くことができませんでした。"}, // text not given: composed
    {61699, "%1 への変更を保存しますか？"}, // text not given: composed
    {61705, "印刷プレビューを開始できませんでした。"}, // text not given: composed
    {61712, "整数を入力してください。"}, // text not given: composed
    {61715, "%1 から %2 までの整数を入力してください。"}, // text not given: composed
};
// clang-format on

const std::size_t kLayoutEditorStringTableSize =
    sizeof(kLayoutEditorStringTable) / sizeof(kLayoutEditorStringTable[0]);

} // namespace tembra
