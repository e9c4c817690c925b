#pragma once
// libxlsxwriter, reached through this table of its functions.
//
// Why not call it directly: on Debian libxlsxwriter writes its zip through the
// system minizip, and QuaZip (which the program uses to read .xlsx/.ods)
// exports a modified minizip under the same symbol names. Loaded side by side
// in one namespace, libxlsxwriter's zipOpen() lands in QuaZip's copy, which
// takes a QIODevice instead of a file name, and crashes. So on glibc the
// library is loaded once more with dlmopen() in a namespace of its own, where
// it only sees its own minizip. Elsewhere the linked functions are used as is.
#include <QString>
#include <xlsxwriter.h>

struct TabloXlsx
{
    decltype(&::workbook_new_opt) workbook_new_opt;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::lxw_workbook_free) lxw_workbook_free;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_boolean) worksheet_write_boolean;
    decltype(&::worksheet_write_datetime) worksheet_write_datetime;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The library's functions; null (with a Turkish message in hata) when it cannot be loaded.
const TabloXlsx *TabloXlsxKutuphanesi(QString *hata = nullptr);
