#!/usr/bin/perl
# Writes the list lines of a UTF-8 file into the worksheet "sheet1" of an .xls workbook
# with Spreadsheet::WriteExcel, cells laid out as Korvel lays them out (cut at every
# space, plain decimals as numbers, other pieces as text, empty pieces skipped). Prints
# the seconds spent from the first cell to the closed file.
use strict;
use warnings;
use Spreadsheet::WriteExcel;
use Time::HiRes qw(time);

my ($input, $output) = @ARGV;
open my $in, '<:encoding(UTF-8)', $input or die "$input: $!\n";
my @lines = map { s/\r?\n\z//r } <$in>;
close $in;

my $start = time;
my $book = Spreadsheet::WriteExcel->new($output) or die "$output: $!\n";
my $sheet = $book->add_worksheet('sheet1');
for my $r (0 .. $#lines) {
    my $c = 0;
    for my $piece (split / /, $lines[$r], -1) {
        if ($piece =~ /^-?[0-9]+(?:\.[0-9]+)?\z/) {
            $sheet->write_number($r, $c, $piece);
        } elsif ($piece ne '') {
            $sheet->write_string($r, $c, $piece);
        }
        ++$c;
    }
}
$book->close() or die "$output: close failed\n";
printf "%.6f\n", time - $start;
