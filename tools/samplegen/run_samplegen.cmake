# Runs kord-samplegen on SOURCE into a fresh OUTDIR (base name BASE, by
# default "famiglia").
#   cmake -DTOOL=... -DSOURCE=... -DOUTDIR=... [-DBASE=name] [-DEXPECT_ERROR=regex] -P run_samplegen.cmake
# Without EXPECT_ERROR the run must succeed. With it the run must fail, its
# error output must match the regex and OUTDIR must stay empty.
if(NOT DEFINED BASE)
  set(BASE famiglia)
endif()
file(REMOVE_RECURSE "${OUTDIR}")
execute_process(COMMAND "${TOOL}" "${SOURCE}" "${OUTDIR}" "${BASE}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT DEFINED EXPECT_ERROR)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kord-samplegen failed with status ${rc}")
  endif()
  return()
endif()
if(rc EQUAL 0)
  message(FATAL_ERROR "kord-samplegen accepted a bad source")
endif()
if(NOT err MATCHES "${EXPECT_ERROR}")
  message(FATAL_ERROR "the error output does not contain: ${EXPECT_ERROR}")
endif()
file(GLOB written "${OUTDIR}/*")
if(written OR EXISTS "${OUTDIR}")
  message(FATAL_ERROR "kord-samplegen wrote files for a bad source: ${written}")
endif()
