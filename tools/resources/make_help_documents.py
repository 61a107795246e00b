#!/usr/bin/env python3
"""Writes the two Japanese help documents of the application bundle as RTF.

    python3 tools/resources/make_help_documents.py [OUTPUT_DIR]

OUTPUT_DIR defaults to resources/Japanese.lproj beside this tool's folder.
Every non-ASCII character is written as a \\uN escape with a "?" fallback, so
the files are plain ASCII. Before a file is written it is decoded again and
compared with the text it was made from; a mismatch stops the tool.
"""

import pathlib
import re
import sys

HOME_PAGE = "https://www.keldo.example/KELDO/"
CONTACT = "support@keldo.example"
VERSION = "Ver. 1.0b3"
FONT = "Noto Sans CJK JP"

# A document is a list of blocks: (kind, text). Kinds:
#   "title"  large bold line         "h"   bold heading
#   "p"      body paragraph          "li"  bulleted paragraph
#   "step"   numbered paragraph (the number is part of the text)
# Inside a text, **...** marks bold.

README = [
    ("title", "KELDO アンインストーラ"),
    ("p", "お読み下さい　" + VERSION),

    ("h", "このソフトウェアについて"),
    ("p", "「KELDO アンインストーラ」は、KELDO のソフトウェア製品をお使いのコンピュータから"
          "取り除くためのアプリケーションです。製品ごとに、アプリケーション本体と、製品が"
          "ホームフォルダ内に作った初期設定などの項目を探し出して一つの一覧に表示し、"
          "チェックの付いた項目をまとめてゴミ箱に移動します。"),
    ("p", "ファイルを直接削除することはありません。ゴミ箱に移動した項目は、ファイルマネージャを"
          "使って元の場所に戻せます。"),

    ("h", "対象となる製品"),
    ("p", "次の6製品が対象です。"),
    ("li", "Tolvenade II（Tolvenade、Marlocane）"),
    ("li", "Zoruba"),
    ("li", "Pelmora"),
    ("li", "Gablune mini"),
    ("li", "Wistrel"),
    ("li", "Brevindal nano"),
    ("p", "製品の一覧は、アプリケーション内の「Resources/Japanese.lproj」フォルダにある"
          "ファイル「appList.txt」に記されています。アプリケーションの中にない場合は、"
          "アプリケーションと同じフォルダにある「appList.txt」が使われます。どちらも"
          "見つからないときは、起動時に「not found.」と表示され、アプリケーションに組み込まれた"
          "上記の一覧が使われます。"),

    ("h", "探し出す項目"),
    ("p", "「自動で取得」を実行すると、製品ごとに次の項目を探します（「~」はホームフォルダを"
          "表します）。"),
    ("li", "**アプリケーション**：「~/Applications」フォルダの最上位にある製品のアプリケーション。"
           "アプリケーションを直接入れたフォルダは、フォルダごと見つけます。"),
    ("li", "**初期設定フォルダ**：「~/Library/Preferences」フォルダにある製品の初期設定フォルダ"
           "（「Pelmora初期設定」など）。"),
    ("li", "**plist（プロパティリスト）**：「~/Library/Preferences」フォルダにある項目のうち、"
           "名前に製品名と「plist」を含むもの。"),
    ("li", "**App. Supportフォルダ**：「~/Library/Application Support」フォルダにある製品の"
           "フォルダ（Tolvenade II、Pelmora、Brevindal nano）。"),
    ("li", "**書類フォルダ**：製品が自身の初期設定に書類の保存場所を記録している場合"
           "（Zoruba、Pelmora）、そのフォルダ。"),
    ("p", "**ご注意：書類フォルダには、お客様が作成した書類が入っています。残しておきたい書類が"
          "ある場合は、ゴミ箱に移動する前に別の場所へ移すか、その項目のチェックを外して下さい。**"),

    ("h", "ゴミ箱への移動と元に戻す方法"),
    ("p", "一覧でチェックが付いている項目は、「ゴミ箱に移動」でゴミ箱に移動されます。"
          "移動したあとも一覧の表示は変わりません。"),
    ("p", "誤って移動した項目は、ファイルマネージャでゴミ箱を開き、その項目を元の場所に戻す操作"
          "（「復元」「元に戻す」など）で戻せます。ゴミ箱を空にすると戻せなくなりますので、"
          "ご注意下さい。"),

    ("h", "指定した場所の検索"),
    ("p", "「指定場所を探す…」では、お客様が指定したフォルダとその中のすべてのフォルダから、"
          "対象製品のアプリケーションと書類を探して一覧に表示します。「~/Applications」以外の"
          "場所にコピーしたアプリケーションや、いろいろな場所に保存した書類を探すときに"
          "お使い下さい。"),
    ("p", "ここで見つかった項目は、このアプリケーションではゴミ箱に移動できません。"
          "「Finderに表示」でファイルマネージャに表示してから、必要に応じてお客様ご自身で"
          "移動して下さい。"),

    ("h", "動作環境"),
    ("li", "Qt 6 が動作する Linux のデスクトップ環境"),
    ("li", "日本語フォント「" + FONT + "」"),
    ("li", "freedesktop.org 方式のゴミ箱に対応したファイルマネージャ（ゴミ箱から元に戻すため、"
           "および「Finderに表示」のため）"),
    ("li", "RTF 書類を開くアプリケーション（このヘルプのため）と、Web ブラウザ（ホームページのため）"),

    ("h", "ご注意"),
    ("li", "「自動で取得」が調べるのは、ログインしているユーザのホームフォルダ内の決まった場所と、"
           "製品が記録している書類フォルダだけです。"),
    ("li", "取り除く製品は、あらかじめ終了させておいて下さい。"),
    ("li", "このアプリケーションは設定を保存しません。作業用に、一時フォルダ（通常は「/tmp」）に"
           "「KELDO Uninstaller」フォルダを作ることがあります。"),

    ("h", "お問い合わせ"),
    ("p", "KELDO"),
    ("p", "ホームページ：" + HOME_PAGE),
    ("p", "電子メール：" + CONTACT),
    ("p", "ホームページは、「Help」メニューの「ホームページに接続...」からも開けます。"),
    ("p", "Copyright © KELDO. All rights reserved."),
]

MANUAL = [
    ("title", "KELDO アンインストーラ　簡易マニュアル"),
    ("p", VERSION),

    ("h", "基本的な使い方"),
    ("step", "1. 取り除く製品のアプリケーションをすべて終了します。"),
    ("step", "2. ツールバーの「自動で取得」をクリックします。見つかった項目が、製品ごとに一覧に"
             "表示されます。"),
    ("step", "3. 残しておきたい項目のチェックを外します。"),
    ("step", "4. 「ゴミ箱に移動」をクリックし、確認のメッセージで「キャンセル」ではない方のボタンを"
             "クリックします。チェックの付いた項目がゴミ箱に移動されます。"),

    ("h", "ウインドウ"),
    ("p", "メインウインドウには、上からツールバー、一覧、状況表示が並びます。一覧の列は次の"
          "とおりです。"),
    ("li", "**名前**：製品名、または見つかった項目の名前とアイコン"),
    ("li", "**修正日**：項目の修正日時"),
    ("li", "**種別**：項目の種類"),
    ("p", "種別には次のものがあります。"),
    ("li", "アプリケーション（単体）：製品のアプリケーション"),
    ("li", "アプリケーション（フォルダ）：製品のアプリケーションを入れたフォルダ"),
    ("li", "初期設定フォルダ：製品の初期設定フォルダ"),
    ("li", "plist：プロパティリストファイル"),
    ("li", "App. Supportフォルダ：製品の Application Support フォルダ"),
    ("li", "書類：製品の書類フォルダ（お客様の書類が入っています）"),
    ("li", "製品名（アプリ）、製品名（書類）：「指定場所を探す…」で見つかったアプリケーションと書類"),

    ("h", "ツールバー"),
    ("p", "**自動で取得**"),
    ("p", "一覧を消去してから、すべての対象製品について、「~/Applications」、"
          "「~/Library/Preferences」、「~/Library/Application Support」（「~」はホームフォルダ）と、"
          "製品が記録している書類フォルダを調べます。項目が見つかった製品ごとに製品の行が加わり、"
          "その下に見つかった項目の行が表示されます。どの行にも、はじめからチェックが付いています。"),
    ("p", "**ゴミ箱に移動**"),
    ("p", "「自動で取得」のあとで使えます。「本当にゴミ箱に移動しますか？」と確認してから、"
          "チェックが付いている項目の行をすべてゴミ箱に移動します。製品の行にチェックが付いていても、"
          "折りたたまれている製品の項目は移動されません。すでになくなった項目は黙って飛ばします。"
          "移動したあとも一覧はそのまま残ります。移動した項目は、ファイルマネージャでゴミ箱から"
          "元に戻せます。"),
    ("p", "**指定場所を探す…**"),
    ("p", "「検索を開始するフォルダを指定して下さい。」と表示されるダイアログで、探すフォルダを"
          "指定します（はじめは「~/Documents」フォルダが開いています）。指定したフォルダの中を"
          "すべての階層にわたって探し、対象製品のアプリケーションと書類を一覧に加えます。"
          "不可視の項目と、名前が「.」で始まる項目は探しません。検索範囲によっては数分かかることが"
          "あります。"),
    ("p", "一覧に「自動で取得」の結果があるときは、先に「本処理を実行すると、自動取得リストは"
          "クリアされます。続けますか？」と確認し、一覧を消去してから探します。続けて何度か探すと、"
          "結果は一覧の後ろに加わります（同じフォルダを2度探すと、同じ項目が2度表示されます）。"
          "ここで見つかった項目の行にはチェックボックスがなく、ゴミ箱には移動できません。"),
    ("p", "**Finderに表示**"),
    ("p", "「指定場所を探す…」で見つかった行を選ぶと使えます。選んだ項目をファイルマネージャで"
          "表示します。ファイルマネージャが対応していない場合は、その項目を含むフォルダを開きます。"),
    ("p", "**中止**"),
    ("p", "実行中の「自動で取得」「指定場所を探す…」「ゴミ箱に移動」を止めます。処理中の項目が"
          "終わったところで止まり、状況表示に「処理が中止されました。」と表示されます。それまでに"
          "一覧に加わった行と、すでにゴミ箱に移動した項目はそのままです。「自動で取得」を止めた"
          "ときは、見つかった製品の行が折りたたまれたまま残ります（展開すると項目が表示されます）。"),
    ("p", "**リストをクリア**"),
    ("p", "「本当にクリアしますか？」と確認してから、一覧を空にします。項目は移動も削除もされません。"),
    ("p", "処理の実行中は、「自動で取得」「ゴミ箱に移動」「指定場所を探す…」「リストをクリア」は"
          "使えません。"),

    ("h", "チェックボックス"),
    ("li", "**製品の行**：チェックを外すと、その製品の項目の行のチェックがすべて外れます。"
           "もう一度チェックを付けると、すべての項目に付きます。製品の行そのものは移動されません。"),
    ("li", "**項目の行**：チェックが付いている項目だけがゴミ箱に移動されます。一つの項目の"
           "チェックを変えても、ほかの行は変わりません。"),
    ("li", "製品の行を折りたたんでから再び展開すると、その製品の項目はすべてチェックが付いた"
           "状態に戻ります。"),
    ("li", "二つの製品で同じ項目が見つかったときは、両方の製品の下に表示されます。"),

    ("h", "状況表示"),
    ("p", "ウインドウの下端に、処理中は進行中を示すアイコンと次のメッセージが表示されます。"
          "処理が終わると消えます。"),
    ("li", "取得中...：「自動で取得」の実行中"),
    ("li", "取得中...（検索範囲によっては数分かかる場合があります。）：「指定場所を探す…」の実行中"),
    ("li", "ゴミ箱に移動中...：「ゴミ箱に移動」の実行中"),
    ("li", "処理が中止されました。：「中止」で処理を止めたとき（次の処理を始めるまで表示されます）"),

    ("h", "確認とメッセージ"),
    ("li", "**本当にゴミ箱に移動しますか？**：「ゴミ箱に移動」の前に表示されます。"),
    ("li", "**本当にクリアしますか？**：「リストをクリア」の前に表示されます。"),
    ("li", "**本処理を実行すると、自動取得リストはクリアされます。続けますか？**：一覧に"
           "「自動で取得」の結果があるときに「指定場所を探す…」を選ぶと表示されます。"),
    ("li", "**アンインストーラのホームページに接続しますか？**：「ホームページに接続...」を選ぶと"
           "表示されます。「接続する」をクリックすると、Web ブラウザでホームページが開きます。"),
    ("p", "どの確認でも、「キャンセル」をクリックすると何も変わりません。"),
    ("p", "次のメッセージが表示されることもあります。"),
    ("li", "**「（場所）」が見つかりません。再指定して下さい。**：製品の初期設定に記録された場所"
           "（書類フォルダなど）が見つからないときに表示されます。続いて表示されるダイアログで、"
           "そのフォルダを指定して下さい。キャンセルすると「必要なファイルの所在が不明なので、"
           "処理を続行できません。」と表示され、そのフォルダは一覧に加わりません。ほかの項目の"
           "取得は続きます。"),
    ("li", "**not found.**：起動時に製品の一覧のファイル「appList.txt」が見つからなかったときに"
           "表示されます。アプリケーションに組み込まれた一覧が使われます。"),

    ("h", "メニュー"),
    ("li", "**ファイル**：「Quit」でアプリケーションを終了します。"),
    ("li", "**編集**：「取り消す」「やり直す」「カット」「コピー」「ペースト」「削除」"
           "「すべてを選択」の標準の編集コマンドです。"),
    ("li", "**KELDO アンインストーラについて**：バージョン情報のパネルを表示します。パネルを"
           "クリックすると閉じます。"),
    ("li", "**Help**：「ホームページに接続...」でホームページ（" + HOME_PAGE + "）を開きます"
           "（開く前に確認します）。「お読み下さい」と「簡易マニュアル」で、それぞれの説明書を"
           "開きます。"),

    ("h", "お問い合わせ"),
    ("p", "ホームページ：" + HOME_PAGE),
    ("p", "電子メール：" + CONTACT),
]

DOCUMENTS = {
    "お読み下さい.rtf": ("KELDO アンインストーラ お読み下さい", README),
    "簡易マニュアル.rtf": ("KELDO アンインストーラ 簡易マニュアル", MANUAL),
}

# Sizes are in half-points; indents and spacing in twips.
BODY_SIZE = 22
PARAGRAPH_FORMAT = {
    "title": r"\pard\sa120\f0\fs36\cf2",
    "h": r"\pard\sb280\sa100\keepn\f0\fs28\cf2",
    "p": r"\pard\sa100\f0\fs22\cf1",
    "li": r"\pard\fi-220\li440\sa60\f0\fs22\cf1",
    "step": r"\pard\fi-300\li300\sa60\f0\fs22\cf1",
}
BOLD_KINDS = {"title", "h"}
BULLET = "・"


def escape(text):
    """RTF text for a Unicode string: ASCII as is, everything else as \\uN?.

    Some readers skip a whole word instead of one fallback character after
    \\uN, so ASCII text that follows an escape is set off by an empty group.
    """
    out = []
    after_escape = False
    for ch in text:
        code = ord(ch)
        if ch == "\t":
            out.append(r"\tab ")
            after_escape = False
            continue
        if code < 0x20 or code == 0x7F:
            raise ValueError(f"control character U+{code:04X} in text")
        if code < 0x7F:
            if after_escape:
                out.append("{}")
            out.append("\\" + ch if ch in "\\{}" else ch)
            after_escape = False
            continue
        data = ch.encode("utf-16-be")
        for i in range(0, len(data), 2):
            unit = int.from_bytes(data[i:i + 2], "big", signed=True)
            out.append(f"\\u{unit}?")
        after_escape = True
    return "".join(out)


def runs(text):
    """Splits **bold** markup into (bold, text) runs."""
    parts = text.split("**")
    if len(parts) % 2 == 0:
        raise ValueError(f"unbalanced ** in: {text}")
    return [(i % 2 == 1, part) for i, part in enumerate(parts) if part]


def plain(kind, text):
    prefix = BULLET if kind == "li" else ""
    return prefix + "".join(part for _, part in runs(text))


def wrap(rtf, width=100):
    """Breaks long source lines after a "?" fallback or a blank; RTF readers ignore the breaks."""
    lines, line = [], ""
    for token in re.findall(r"\\u-?\d+\?|\\.|[^\\]", rtf):
        line += token
        if len(line) >= width and (token.endswith("?") or token == " "):
            lines.append(line)
            line = ""
    lines.append(line)
    return "\n".join(lines)


def paragraph(kind, text):
    body = []
    bold_all = kind in BOLD_KINDS
    parts = runs(text)
    if kind == "li":
        # The bullet is escaped with the text that follows it, or stands before a bold group.
        if parts[0][0]:
            body.append(escape(BULLET))
        else:
            parts[0] = (False, BULLET + parts[0][1])
    for bold, part in parts:
        if bold or bold_all:
            body.append(r"{\b " + escape(part) + "}")
        else:
            body.append(escape(part))
    return PARAGRAPH_FORMAT[kind] + " " + wrap("".join(body)) + r"\par"


def document(title, blocks):
    head = [
        r"{\rtf1\ansi\ansicpg932\deff0\deflang1041\uc1",
        r"{\fonttbl{\f0\fnil\fcharset128 " + FONT + ";}}",
        r"{\colortbl;\red0\green0\blue0;\red0\green51\blue102;}",
        r"{\info{\title " + escape(title) + r"}{\author KELDO}}",
        r"\paperw11906\paperh16838\margl1417\margr1417\margt1417\margb1417",
        r"\viewkind0\lang1041\fs" + str(BODY_SIZE),
    ]
    body = [paragraph(kind, text) for kind, text in blocks]
    return "\n".join(head + body) + "\n}\n"


# --- Checking -----------------------------------------------------------------

SKIPPED_DESTINATIONS = {"fonttbl", "colortbl", "info", "stylesheet", "pict", "header", "footer"}
TOKEN = re.compile(r"\\([a-zA-Z]+)(-?\d+)? ?|\\([^a-zA-Z])|([{}])|([\r\n]+)|([^\\{}\r\n])")


def decode(rtf):
    """Visible text of an RTF document: paragraphs end in "\\n"."""
    out = []
    skip_fallback = 0
    uc = [1]                 # \ucN per group
    skipping = [False]       # inside a skipped destination, per group
    first_in_group = False
    for m in TOKEN.finditer(rtf):
        word, arg, symbol, brace, newline, char = m.groups()
        if newline:
            continue
        if brace == "{":
            uc.append(uc[-1])
            skipping.append(skipping[-1])
            first_in_group = True
            continue
        if brace == "}":
            uc.pop()
            skipping.pop()
            first_in_group = False
            continue
        starts_group, first_in_group = first_in_group, False
        if word is not None:
            if starts_group and word in SKIPPED_DESTINATIONS:
                skipping[-1] = True
            elif word == "uc":
                uc[-1] = int(arg)
            elif skipping[-1]:
                pass
            elif word == "u":
                unit = int(arg) & 0xFFFF
                out.append(unit)
                skip_fallback = uc[-1]
            elif word == "par":
                out.append("\n")
            elif word == "tab":
                out.append("\t")
            continue
        if symbol is not None:
            if symbol == "*" and starts_group:
                skipping[-1] = True
            elif skipping[-1]:
                pass
            elif skip_fallback:
                skip_fallback -= 1
            elif symbol in "\\{}":
                out.append(symbol)
            continue
        if skipping[-1]:
            continue
        if skip_fallback:
            skip_fallback -= 1
            continue
        out.append(char)
    # Join UTF-16 units (surrogate pairs included) and ASCII text.
    text, units = [], []
    for item in out:
        if isinstance(item, int):
            units.append(item)
            continue
        if units:
            text.append(b"".join(u.to_bytes(2, "big") for u in units).decode("utf-16-be"))
            units = []
        text.append(item)
    if units:
        text.append(b"".join(u.to_bytes(2, "big") for u in units).decode("utf-16-be"))
    return "".join(text)


def check(name, rtf, blocks):
    problems = []
    if not rtf.startswith("{\\rtf1"):
        problems.append("does not start with {\\rtf1")
    if not rtf.isascii():
        problems.append("holds non-ASCII characters")
    depth = 0
    for m in TOKEN.finditer(rtf):
        if m.group(4) == "{":
            depth += 1
        elif m.group(4) == "}":
            depth -= 1
            if depth < 0:
                problems.append("closes a group that is not open")
                break
        elif depth == 0 and m.group(5) is None:
            problems.append("has text outside the document group")
            break
    if depth != 0:
        problems.append(f"leaves {depth} group(s) open")
    expected = "".join(plain(kind, text) + "\n" for kind, text in blocks)
    got = decode(rtf)
    if got != expected:
        at = next((i for i, (a, b) in enumerate(zip(got, expected)) if a != b), min(len(got), len(expected)))
        problems.append(f"decodes differently from its text at character {at}: "
                        f"{got[at:at + 30]!r} instead of {expected[at:at + 30]!r}")
    for problem in problems:
        print(f"{name}: {problem}", file=sys.stderr)
    return not problems


def main(argv):
    default = pathlib.Path(__file__).resolve().parents[2] / "resources" / "Japanese.lproj"
    out_dir = pathlib.Path(argv[1]) if len(argv) > 1 else default
    if not out_dir.is_dir():
        print(f"no such folder: {out_dir}", file=sys.stderr)
        return 1
    ok = True
    for name, (title, blocks) in DOCUMENTS.items():
        rtf = document(title, blocks)
        if check(name, rtf, blocks):
            (out_dir / name).write_bytes(rtf.encode("ascii"))
        else:
            ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
