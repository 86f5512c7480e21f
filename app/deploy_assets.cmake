# Copies the asset folders beside the executable: the framework's styles,
# themes and icons to assets/ostrel, the application's styles, icons and media
# to assets/app. Run with -DSOURCE=<source root> -DTARGET=<assets folder>;
# missing folders are skipped. The folder is rebuilt whole, so files removed
# from the sources do not linger.
file(REMOVE_RECURSE "${TARGET}")
foreach(pair IN ITEMS
        "ext/ostrel/styles|ostrel/styles" "ext/ostrel/themes|ostrel/themes"
        "ext/ostrel/icons|ostrel/icons" "styles|app/styles" "icons|app/icons"
        "media|app/media")
  string(REPLACE "|" ";" parts "${pair}")
  list(GET parts 0 from)
  list(GET parts 1 to)
  if(IS_DIRECTORY "${SOURCE}/${from}")
    file(COPY "${SOURCE}/${from}/" DESTINATION "${TARGET}/${to}")
  endif()
endforeach()
