#pragma once
// libxlsxwriter's functions gathered in a table. The exporter (tabloyazici)
// calls the library directly; the table remains for the raw writer of
// benchmarks/bench_excel.cpp, which is written against it.
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

// The linked library's functions; never null, so hata is never set.
inline const TabloXlsx *TabloXlsxKutuphanesi(QString * /*hata*/ = nullptr)
{
    static const TabloXlsx t{&::workbook_new_opt,       &::workbook_add_worksheet, &::workbook_add_format,
                             &::workbook_close,         &::lxw_workbook_free,      &::format_set_bold,
                             &::format_set_num_format,  &::worksheet_set_column,   &::worksheet_write_string,
                             &::worksheet_write_number, &::worksheet_write_boolean, &::worksheet_write_datetime,
                             &::lxw_strerror};
    return &t;
}
