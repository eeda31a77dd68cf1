# What `cmake --install` puts under the prefix, in the places freedesktop.org
# standards name: the two programs, the desktop entry, the AppStream
# metadata, the MIME types with their icons, the thumbnailer, the application
# icon and the manual. Translations and the manual are compiled into the
# program as well; the installed manual is for reading without it.
include(GNUInstallDirs)

set(hm_data ${PROJECT_SOURCE_DIR}/data)
set(hm_share ${CMAKE_INSTALL_DATADIR})

install(TARGETS heddlemark heddlemark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${hm_data}/${HM_APP_ID}.desktop DESTINATION ${hm_share}/applications)
install(FILES ${hm_data}/${HM_APP_ID}.metainfo.xml DESTINATION ${hm_share}/metainfo)
install(FILES ${hm_data}/heddlemark-mime.xml DESTINATION ${hm_share}/mime/packages
        RENAME heddlemark.xml)
install(FILES ${hm_data}/heddlemark.thumbnailer DESTINATION ${hm_share}/thumbnailers)

set(hm_icons ${hm_share}/icons/hicolor)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${hm_data}/icons/png/heddlemark-${size}.png
            DESTINATION ${hm_icons}/${size}x${size}/apps RENAME ${HM_APP_ID}.png)
endforeach()
install(FILES ${hm_data}/icons/heddlemark.svg DESTINATION ${hm_icons}/scalable/apps
        RENAME ${HM_APP_ID}.svg)
# The three pattern file types share one document icon.
foreach(type application-x-heddlemark-cd-pattern application-x-heddlemark-pattern text-x-wif)
    install(FILES ${hm_data}/icons/heddlemark-document.svg
            DESTINATION ${hm_icons}/scalable/mimetypes RENAME ${type}.svg)
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${hm_share}/doc/heddlemark/manual)
