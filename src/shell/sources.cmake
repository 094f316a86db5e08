target_sources(wordloom_doc PRIVATE shell/plain_text_document.cpp
                                    shell/plain_text_document.h)
