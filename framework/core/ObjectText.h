#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStream;

// The text form of a component stream, both ways. Lines end with CR LF; each object level
// indents two blanks:
//
//   object Form1: TForm1
//     Caption = 'It''s'
//     Font.Style = [fsBold, fsItalic]
//     Color = clBtnFace
//     Visible = True
//     Lines.Strings = (
//       'first'
//       'caf'#233)
//     Data = {00000F00}
//     object Child: TChild
//     end
//   end
//
// Integers in decimal; identifiers bare; True, False, nil; strings in single quotes with a
// quote doubled. Characters outside the printable ASCII range 32..126 are written as #n with
// their decimal code (a byte of an 8-bit string, a UTF-16 unit of a wide string) between or
// after quoted runs, as 'abc'#8226'def'. When read, a string with a #n above 255 becomes a
// wide string; otherwise an 8-bit string. Binary blocks are upper-case hex in braces: fewer
// than 32 bytes on the property's line, else from the next line, 32 bytes a line, indented
// two blanks beyond the property, the closing brace right after the last digit. Lists stand in
// parentheses, one value a line.
//
// Text made by ObjectBinaryToText reads back to the same bytes, except that a stream's
// non-smallest integer tags and wide strings without characters above 255 come back in the
// writer's canonical form; text read and written again is the same text.
//
// Errors: reading binary raises the reader's errors ("Invalid stream format", "Stream read
// error"); reading text raises EParserError with the line ("Identifier expected on line 3").
void ObjectBinaryToText(TStream& input, TStream& output);
void ObjectTextToBinary(TStream& input, TStream& output);

std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary);
std::vector<std::uint8_t> ObjectTextToBinary(std::string_view text);
