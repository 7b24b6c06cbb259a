#!/usr/bin/perl
# Prints the cells of an .xls workbook as read by Spreadsheet::ParseExcel, in the format
# of read_book.py (numbers with 17 significant digits, which round-trips a double).
use strict;
use warnings;
use Spreadsheet::ParseExcel;

binmode STDOUT, ':encoding(UTF-8)';
my $book = Spreadsheet::ParseExcel->new->parse($ARGV[0])
  or die Spreadsheet::ParseExcel->new->error(), "\n";
my @sheets = $book->worksheets();
print "sheet\t", $_->get_name(), "\n" for @sheets;
my $sheet = $sheets[0];
my ($rmin, $rmax) = $sheet->row_range();
my ($cmin, $cmax) = $sheet->col_range();
for my $r ($rmin .. $rmax) {
    for my $c ($cmin .. $cmax) {
        my $cell = $sheet->get_cell($r, $c) or next;
        # unformatted() gives a number's value but a UTF-16 string's raw bytes;
        # value() decodes the string.
        my $v = $cell->type() eq 'Numeric' ? $cell->unformatted() : $cell->value();
        next if !defined $v || $v eq '';
        # ParseExcel hands out UTF-16 code units one by one: join surrogate pairs.
        $v =~ s/([\x{D800}-\x{DBFF}])([\x{DC00}-\x{DFFF}])/
            chr(0x10000 + ((ord($1) - 0xD800) << 10) + (ord($2) - 0xDC00))/ge;
        my $kind = $cell->type() eq 'Numeric' ? 'n' : $cell->type() eq 'Text' ? 's' : '?';
        $v = sprintf('%.17g', $v) if $kind eq 'n';
        print "cell\t$r\t$c\t$kind\t$v\n";
    }
}
