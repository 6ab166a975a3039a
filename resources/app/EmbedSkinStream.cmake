# Writes a window definition with the program's skin put into its "SkinStream" property:
#   cmake -DDEFINITION=Form1.txt -DSTREAM=SkinStream.bin -DOUTPUT=Form1.full.txt -P this
# The authored definitions leave the stream as @SKIN_STREAM@, so the skin has one source
# (resources/skin) and both windows carry byte-identical copies of it.
file(READ ${STREAM} hex HEX)
string(TOUPPER "${hex}" hex)
string(LENGTH "${hex}" length)
set(lines "")
set(at 0)
while(at LESS length)
  string(SUBSTRING "${hex}" ${at} 64 line)
  string(APPEND lines "\n    ${line}")
  math(EXPR at "${at} + 64")
endwhile()
file(READ ${DEFINITION} text)
string(REPLACE "@SKIN_STREAM@" "${lines}" text "${text}")
file(WRITE ${OUTPUT} "${text}")
