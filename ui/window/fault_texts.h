#pragma once

#include "engine/fault.h"
#include "ui/widgets/captions.h"

#include <QtGlobal>

// Why a conversion failed, as the window's status line says it: which parameter or which
// limit, in the words of the window's own captions.
namespace tovalo::ui::texts {

inline const char *faultReason(engine::Fault fault) {
    using engine::Fault;
    switch (fault) {
    case Fault::None:
        return "";
    case Fault::HeightNotNumber:
        return QT_TRANSLATE_NOOP("MainWindow", "本文の文字数が数値ではありません");
    case Fault::HeightOutOfRange:
        return QT_TRANSLATE_NOOP("MainWindow", "本文の文字数が大きすぎます");
    case Fault::HeightBelowOne:
        return QT_TRANSLATE_NOOP("MainWindow", "本文の文字数は 1 以上にしてください");
    case Fault::LinesNotNumber:
        return QT_TRANSLATE_NOOP("MainWindow", "行数が数値ではありません");
    case Fault::LinesOutOfRange:
        return QT_TRANSLATE_NOOP("MainWindow", "行数が 32767 を超えます");
    case Fault::LinesBelowOne:
        return QT_TRANSLATE_NOOP("MainWindow", "行数は 1 以上にしてください");
    case Fault::MarginNotNumber:
        return QT_TRANSLATE_NOOP("MainWindow", "余白が数値ではありません");
    case Fault::MarginOutOfRange:
        return QT_TRANSLATE_NOOP("MainWindow", "余白が大きすぎます");
    case Fault::MarginNegative:
        return QT_TRANSLATE_NOOP("MainWindow", "余白は 0 以上にしてください");
    case Fault::CellStoreOverflow:
        return QT_TRANSLATE_NOOP("MainWindow", "本文の文字数と行数の積が大きすぎます");
    case Fault::CursorOverflow:
        return QT_TRANSLATE_NOOP("MainWindow", "文章が長すぎます");
    case Fault::ColumnCountOverflow:
        return QT_TRANSLATE_NOOP("MainWindow", "縦書きの行数が 32767 を超えます");
    case Fault::RowTooLong:
        return QT_TRANSLATE_NOOP("MainWindow",
                                 "行を空けるには、ぶら下がる行が 32767 文字以上あります");
    case Fault::SourceTooLong:
        return QT_TRANSLATE_NOOP("MainWindow",
                                 "行数を指定するときは、文章を 32767 文字未満にしてください");
    case Fault::CellIndexOverflow:
        return QT_TRANSLATE_NOOP(
            "MainWindow", "行数を指定するときは、文字数と行数の積を 32767 以下にしてください");
    case Fault::HeightTooLarge:
        return QT_TRANSLATE_NOOP("MainWindow",
                                 "行数を指定するときは、本文の文字数を 32767 以下にしてください");
    case Fault::ResultTooLarge:
        return QT_TRANSLATE_NOOP("MainWindow", "縦書きの結果が大きすぎます");
    }
    return QT_TRANSLATE_NOOP("MainWindow", "変換できませんでした");
}

} // namespace tovalo::ui::texts
