Feature: f
  """
  the doc-string type wins over description
  """
  y goes on as description
  """
  * a step inside ends it
  """
  z
