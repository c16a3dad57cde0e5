// The checks of the scanner-side declarations: the resolution pass after
// reading, which links every name to its record, and the tests at the start
// of generation.
#pragma once

namespace zedra {

class Diagnostics;
class ScannerDeclarations;
class TerminalTable;

// Resolves, in this order, the types of the conversion actions, the scanner
// attributes (type, default action, associated terminals and whether they
// set the attribute) and every attribute assignment of every terminal.
void resolve_scanner_declarations(ScannerDeclarations& declarations);

// The tests of the scanner attributes at the start of generation (messages
// 59, 42 and 43); they run even when the resolution reported errors.
void test_scanner_attributes(ScannerDeclarations& declarations);

// Msg::KeywordsUnverified when keywords exist but no rule can recognise them: no
// terminal has kind VERIFY or a reserved action. The generator of the
// keyword table calls it after writing the table.
void check_keyword_verification(Diagnostics& diagnostics, const TerminalTable& terminals);

}  // namespace zedra
