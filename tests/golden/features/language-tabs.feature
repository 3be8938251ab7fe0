#	language:	zh-CN
功能: tabs around the directive, a code with a region
  场景: s
    假如 x
    Given is text here
