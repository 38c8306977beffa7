# Compresses one file the way Debian wants its documentation and manual pages compressed:
# gzip -9n, which leaves out the file's name and time, so the same input gives the same bytes.
#
#   cmake -DGZIP=/bin/gzip -DINPUT=FILE -DOUTPUT=FILE.gz -P gzip_file.cmake
#
# The result is written beside the target and renamed, so a failed run leaves no half file.
foreach(variable GZIP INPUT OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "gzip_file.cmake: ${variable} is not given")
  endif()
endforeach()
execute_process(
  COMMAND ${GZIP} -9n --stdout ${INPUT}
  OUTPUT_FILE ${OUTPUT}.partial
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.partial)
  message(FATAL_ERROR "gzip could not compress ${INPUT}: ${status}")
endif()
file(RENAME ${OUTPUT}.partial ${OUTPUT})
